#include "report/api/report_output.h"

#include "platform/ini_file.h"
#include "platform/registry_store.h"
#include "report/engine/emf/virtual_printer_config.h"
#include "report/data/record_set_bundle.h"
#include "report/engine/output/web_archive.h"
#include "report/engine/output/word_document.h"
#include "report/template/report_data_file.h"
#include "report/template/xml_document.h"

#include <QRegularExpression>

#include <tuple>

namespace ky {

namespace {

// The page set-up of the template's first page, for the document's paper.
DocumentPageSetup pageSetupOf(const QString& templateXml) {
    pugi::xml_document document;
    DocumentPageSetup setup;
    if (!loadXmlText(document, templateXml)) return setup;
    for (pugi::xml_node page : document.child("Report").child("Pages").children("Page")) {
        if (QString::fromUtf8(page.child_value("PageNo")).trimmed() != u"1"_qs) continue;
        const pugi::xml_node size = page.child("Size");
        setup.paperSize = QString::fromUtf8(size.child_value("PageSize")).toInt();
        setup.orientation = QString::fromUtf8(size.child_value("Orientation")).toInt();
        setup.widthTwips = QString::fromUtf8(size.child_value("PageWidth")).toDouble() * 567;
        setup.heightTwips = QString::fromUtf8(size.child_value("PageHeight")).toDouble() * 567;
    }
    return setup;
}

Status saveStream(const StreamPtr& stream, const QString& path) {
    if (!stream) return fail(QStringLiteral("there is nothing to write to %1").arg(path));
    return stream->saveToFile(path);
}

StreamPtr packReport(const ReportJob& job) {
    auto bundle = packRecordSets(job.session.recordSets);
    if (!bundle) return nullptr;
    StreamPtr file = PackReportData(job.templateStream, bundle.value());
    file->setPosition(0);
    return file;
}

// The virtual printer's settings for one output; what they are set back to afterwards.
Status configureVirtualPrinter(const QString& configFile, const QString& pageBase) {
    for (const auto& [section, key, value] :
         {std::tuple{u"AutoSave"_qs, u"OutputFile"_qs, pageBase}, std::tuple{u"AutoSaveOptions"_qs, u"m_bCreateFileForEachPage"_qs, u"1"_qs},
          std::tuple{u"AutoSaveOptions"_qs, u"m_strColorDepth"_qs, u"24"_qs},
          std::tuple{u"AutoSaveOptions"_qs, u"m_strResolution"_qs, u"600x600"_qs},
          std::tuple{u"AutoSaveOptions"_qs, u"m_bGrayscale"_qs, u"0"_qs},
          std::tuple{u"AutoSaveOptions"_qs, u"AddFileNameSuffix"_qs, u"_%03d"_qs}})
        if (Status written = writeProfileString(configFile, section, key, value); !written) return written;
    return {};
}

void restoreVirtualPrinter(const QString& configFile) {
    static_cast<void>(writeProfileString(configFile, u"AutoSave"_qs, u"OutputFile"_qs, u"C:\\"_qs));
    static_cast<void>(writeProfileString(configFile, u"AutoSaveOptions"_qs, u"AddFileNameSuffix"_qs, u"%04d"_qs));
}

Status printToPageFiles(const ReportJob& job, const QString& target) {
    // A machine that never printed to it gets the default configuration first.
    RegistryStore registry(RegistryStore::defaultPath());
    const auto configFile = ensureDefaultConfiguration(registry, defaultConfigurationPath());
    if (!configFile) return fail(QStringLiteral("the virtual printer \"%1\" cannot be set up: %2").arg(kVirtualPrinterName, configFile.error()));
    static const QRegularExpression document(QStringLiteral("\\.(mht|doc)$"), QRegularExpression::CaseInsensitiveOption);
    QString pageBase = target;
    pageBase.replace(document, QStringLiteral(".emf"));
    if (Status configured = configureVirtualPrinter(configFile.value(), pageBase); !configured) return configured;
    struct Restore {
        QString file;
        ~Restore() { restoreVirtualPrinter(file); }
    } restore{configFile.value()};

    QString virtualPrinter;
    for (const QString& name : job.printers.deviceNames())
        if (name.toLower() == kVirtualPrinterName) virtualPrinter = name;
    if (virtualPrinter.isEmpty() || !job.printers.selectPrinter(virtualPrinter))
        return fail(QStringLiteral("the virtual printer \"%1\" is not installed").arg(kVirtualPrinterName));
    job.printers.setCopies(1);
    const auto pages = printOnCurrentPrinter(job);
    if (!pages) return fail(pages.error());

    // The last page's file says the printer is done; it is read again below.
    if (Status written = waitForPageFile(pageFileName(pageBase, pages->total), job.wait); !written) return written;
    if (target.endsWith(u"mht"_qs, Qt::CaseInsensitive))
        return WriteWebArchive({target, pages->total, job.engine.applicationTitle(), QDateTime::currentDateTime(), job.wait});
    if (target.endsWith(u"doc"_qs, Qt::CaseInsensitive))
        return WriteWordDocument({target, pages->total, pageSetupOf(job.templateXml), job.wait});
    return {};
}

}  // namespace

Result<PrintedPages> printOnCurrentPrinter(const ReportJob& job, const QString& pageRange) {
    if (!job.targets) return fail(QStringLiteral("no printer can be opened in this process"));
    auto surface = job.targets->openJob(job.printers.currentDeviceName(), job.printers.settings());
    if (!surface) return fail(surface.error());
    int totalPages = 0;
    PrintRequest request{1, pageRange, 100};
    const QString message =
        job.engine.PrintPages(*surface.value(), &job.templateXml, ReportData(job.session.recordSets), totalPages, request);
    if (!message.isEmpty()) return fail(message);
    if (const QString failed = surface.value()->error(); !failed.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(job.printers.currentDeviceName(), failed));
    return PrintedPages{totalPages, job.engine.pagesDrawn()};
}

QString keyedFileName(const RecordSetList& recordSets, const QString& outputFileName, const QString& keyName) {
    QString key;
    if (!keyName.isEmpty()) {
        const ReportData data(recordSets);
        if (const RpdRecordSetPtr owner = data.FindFieldRecordSet(keyName); owner && owner->recordSet())
            key = ValueOrDefault(currentValue(*owner->recordSet(), keyName), QString()).toText();
    }
    return outputFileName.left(outputFileName.size() - 4) + u'_' + key + outputFileName.right(4);
}

Status writeReportFile(const ReportJob& job, const QString& outputFileName, const QString& keyName, const StreamPtr& reportDataFile) {
    const QString target = keyedFileName(job.session.recordSets, outputFileName, keyName);
    if (outputFileName.right(3).toLower() == u"rpd"_qs) return saveStream(reportDataFile ? reportDataFile : packReport(job), target);
    const QString ending = target.right(3).toLower();
    if (ending == u"emf"_qs || ending == u"mht"_qs || ending == u"doc"_qs) return printToPageFiles(job, target);
    return {};  // any other ending writes nothing
}

}  // namespace ky
