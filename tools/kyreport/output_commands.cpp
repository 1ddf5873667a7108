// kyreport render, print and printers: reports drawn onto real pages (PDF
// files, page pictures, an installed printer) and the printers there are.

#include "tools/kyreport/command.h"
#include "tools/kyreport/option_parser.h"
#include "tools/kyreport/progress_print_targets.h"
#include "tools/kyreport/report_inputs.h"

#include "platform/com_error.h"
#include "report/api/report_output.h"
#include "report/api/system_print_targets.h"
#include "report/engine/emf/virtual_printer.h"
#include "report/engine/emf/virtual_printer_config.h"
#include "report/engine/fill/print_pages.h"
#include "report/engine/output/page_files.h"
#include "report/engine/page_range.h"
#include "report/engine/qt/pdf_surface.h"
#include "report/engine/qt/picture_surface.h"

#include <QFileInfo>

namespace ky::cli {

namespace {

const QString kRenderUsage = QStringLiteral(
    "usage: kyreport render TEMPLATE [--data DATA.json | --rpd REPORT.rpd] --out FILE [--pages RANGE] [--zoom N] "
    "[--key FIELD]");
const QString kPrintUsage = QStringLiteral(
    "usage: kyreport print TEMPLATE [--data DATA.json | --rpd REPORT.rpd] [--printer NAME] [--pages RANGE] [--copies N]");

// One fill of the report onto a surface; the engine's message, empty on success.
struct ReportRun {
    ReportInputs inputs;
    ReportData data{inputs.session->recordSets};
    ReportEngine engine;
    int totalPages = 0;

    explicit ReportRun(ReportInputs loaded) : inputs(std::move(loaded)) {}
    QString print(Surface& surface, PrintRequest request) {
        return engine.PrintPages(surface, &inputs.templateXml, data, totalPages, request);
    }
};

bool validInputOptions(const OptionParser& options) {
    return options.ok() && options.positional().size() == 1 && !(options.has("--data") && options.has("--rpd"));
}

std::unique_ptr<ReportRun> loadRun(const OptionParser& options, const Output& io) {
    auto inputs = loadReportInputs(options.positional().front(), options.value("--data"), options.value("--rpd"));
    if (!inputs) {
        io.error(inputs.error());
        return nullptr;
    }
    if (!inputs->dataMessage.isEmpty()) io.error(inputs->dataMessage);
    return std::make_unique<ReportRun>(std::move(inputs).value());
}

// The file name with the key field's value of the first record: NAME_VALUE.EXT.
QString keyedName(const QString& out, const QString& keyField, ReportRun& run) {
    if (keyField.isEmpty()) return out;
    QString value;
    if (const RpdRecordSetPtr owner = run.data.FindFieldRecordSet(keyField); owner && owner->recordSet()) {
        owner->recordSet()->moveFirst();
        value = ValueOrDefault(currentValue(*owner->recordSet(), keyField), Value(QString())).toText();
    }
    const QFileInfo file(out);
    const QString stem = file.suffix().isEmpty() ? out : out.left(out.size() - file.suffix().size() - 1);
    return stem + u'_' + value + (file.suffix().isEmpty() ? QString() : u'.' + file.suffix());
}

// Page N of several as NAME_NNN.EXT.
QString pictureFileName(const QString& out, int page) {
    const QFileInfo file(out);
    const QString stem = out.left(out.size() - file.suffix().size() - 1);
    return QStringLiteral("%1_%2.%3").arg(stem).arg(page, 3, 10, QChar(u'0')).arg(file.suffix());
}

// Runs of fewer pages show no progress.
constexpr int kFewPages = 10;

// On standard error, for runs of more than a few pages; `total` is 0 while unknown.
void showProgress(const Output& io, int done, int total) {
    if (total > 0 && total < kFewPages) return;
    if (total == 0 && done % kFewPages != 0) return;
    if (total > 0) std::fprintf(io.err, "\rpage %d of %d", done, total);
    else std::fprintf(io.err, "\rpage %d", done);
    if (done == total) std::fputc('\n', io.err);
    std::fflush(io.err);
}

// Ends a progress line whose total was not known.
void endProgress(const Output& io, int done) {
    if (done >= kFewPages) std::fputc('\n', io.err);
}

int renderPdf(ReportRun& run, const QString& out, const QString& pages, const Output& io) {
    const QtTextMetrics metrics;
    PdfSurface surface(metrics, out);
    surface.setPageListener([&](int begun) { showProgress(io, begun, 0); });
    const QString message = run.print(surface, {.requestedPage = 1, .pageRange = pages, .zoom = 100});
    endProgress(io, surface.pagesDrawn());
    if (!message.isEmpty()) {
        io.error(message);
        return exitFailed;
    }
    if (!surface.error().isEmpty() || surface.pagesDrawn() == 0) {
        io.error(surface.error().isEmpty() ? QStringLiteral("kyreport: no page to write")
                                           : QStringLiteral("kyreport: %1: %2").arg(out, surface.error()));
        return exitFailed;
    }
    io.print(out + u'\n');
    return exitOk;
}

// One picture per page: the engine draws one page of a picture per run.
int renderPictures(ReportRun& run, const QString& out, const QString& pages, int zoom, const Output& io) {
    const QtTextMetrics metrics;
    PictureSurface surface(metrics, zoom / 100.0);
    const char* format = QFileInfo(out).suffix().compare(u"bmp"_qs, Qt::CaseInsensitive) == 0 ? "BMP" : "PNG";
    QString message = run.print(surface, {.requestedPage = 1});
    if (!message.isEmpty()) {
        io.error(message);
        return exitFailed;
    }
    const QStringList listed = ParsePageRange(run.totalPages, pages);
    QList<int> wanted;
    for (const QString& item : listed)
        if (const int page = item.trimmed().toInt(); page >= 1 && page <= run.totalPages && !wanted.contains(page))
            wanted << page;
    if (wanted.isEmpty()) {
        io.error(QStringLiteral("kyreport: no page to write"));
        return exitFailed;
    }
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        const int page = wanted[i];
        const bool drawnByTheFirstRun = i == 0 && page == 1;
        if (!drawnByTheFirstRun) message = run.print(surface, {.requestedPage = page});
        const QString path = wanted.size() == 1 ? out : pictureFileName(out, page);
        if (!message.isEmpty() || !surface.image().save(path, format)) {
            io.error(message.isEmpty() ? QStringLiteral("kyreport: cannot write %1").arg(path) : message);
            return exitFailed;
        }
        io.print(path + u'\n');
        showProgress(io, static_cast<int>(i + 1), static_cast<int>(wanted.size()));
    }
    return exitOk;
}

// EMF pages, web archives, word-processor documents and report data files
// are written by the report object's OutPutReport, as a host has them written.
int renderThroughReportObject(ReportRun& run, const OptionParser& options, const Output& io) {
    RPD& report = *run.inputs.report;
    report.setFormatXMLStream(makeStream(run.inputs.templateXml.toUtf8()));
    const QString out = QFileInfo(options.value("--out")).absoluteFilePath();
    report.setOutPutFileName(out);
    report.setKeyName(options.value("--key"));
    // The key is the current record's: the first, as for the other outputs.
    if (const auto& main = run.data.MainRecordSet(); main->recordSet()) main->recordSet()->moveFirst();
    const QString target = keyedFileName(run.inputs.session->recordSets, out, report.KeyName());
    try {
        report.OutPutReport();
    } catch (const ComError& error) {
        io.error(QStringLiteral("kyreport render: %1").arg(error.message()));
        return exitFailed;
    }
    if (!target.endsWith(u".emf"_qs, Qt::CaseInsensitive)) {
        io.print(target + u'\n');
        return exitOk;
    }
    for (int page = 1; QFileInfo::exists(pageFileName(target, page)); ++page) io.print(pageFileName(target, page) + u'\n');
    return exitOk;
}

int render(const QStringList& args, const Output& io) {
    OptionParser options(args, {"--data", "--rpd", "--out", "--pages", "--zoom", "--key"});
    bool zoomOk = true;
    const int zoom = options.value("--zoom", QStringLiteral("100")).toInt(&zoomOk);
    if (!validInputOptions(options) || !options.has("--out")) {
        io.error(options.ok() ? kRenderUsage : options.error() + u'\n' + kRenderUsage);
        return exitUsage;
    }
    if (!zoomOk || zoom < 10 || zoom > 1000) {
        io.error(QStringLiteral("kyreport render: --zoom is a whole percentage from 10 to 1000, not '%1'")
                     .arg(options.value("--zoom")));
        return exitUsage;
    }
    const QString suffix = QFileInfo(options.value("--out")).suffix().toLower();
    const bool picture = suffix == u"png"_qs || suffix == u"bmp"_qs;
    const bool viaReportObject = QStringList{u"emf"_qs, u"mht"_qs, u"doc"_qs, u"rpd"_qs}.contains(suffix);
    if (!picture && !viaReportObject && suffix != u"pdf"_qs) {
        io.error(QStringLiteral("kyreport render: unknown output type '%1' (.pdf, .png, .bmp, .emf, .mht, .doc or .rpd)").arg(suffix));
        return exitUsage;
    }
    if (viaReportObject && (options.has("--pages") || options.has("--zoom"))) {
        // The report object prints every page at full size, as it does for a host.
        io.error(QStringLiteral("kyreport render: --pages and --zoom apply to .pdf, .png and .bmp only"));
        return exitUsage;
    }
    const auto run = loadRun(options, io);
    if (!run) return exitFailed;
    if (viaReportObject) return renderThroughReportObject(*run, options, io);
    const QString out = keyedName(options.value("--out"), options.value("--key"), *run);
    const QString pages = options.value("--pages", QStringLiteral("ALL"));
    return picture ? renderPictures(*run, out, pages, zoom, io) : renderPdf(*run, out, pages, io);
}

// The virtual printer's page files are named by its configuration, each job
// numbering from 1: the user is told where the pages went.
void listVirtualPrinterPages(int pages, const Output& io) {
    const auto config = readVirtualPrinterConfig(RegistryStore(RegistryStore::defaultPath()));
    if (!config) return;
    for (int page = 1; page <= pages; ++page) io.print(config->suffix.pageFile(config->outputFile, page) + u'\n');
}

int print(const QStringList& args, const Output& io) {
    OptionParser options(args, {"--data", "--rpd", "--printer", "--pages", "--copies"});
    bool copiesOk = true;
    const int copies = options.value("--copies", QStringLiteral("1")).toInt(&copiesOk);
    if (!validInputOptions(options)) {
        io.error(options.ok() ? kPrintUsage : options.error() + u'\n' + kPrintUsage);
        return exitUsage;
    }
    if (!copiesOk || copies < 1) {
        io.error(QStringLiteral("kyreport print: --copies is a whole number from 1, not '%1'").arg(options.value("--copies")));
        return exitUsage;
    }
    const auto service = hostPrinters();
    const QString printer = options.value("--printer", service->currentDeviceName());
    if (printer.isEmpty() || !service->deviceNames().contains(printer)) {
        io.error(printer.isEmpty() ? QStringLiteral("kyreport print: there is no default printer; name one with --printer")
                                   : QStringLiteral("kyreport print: no printer named '%1'").arg(printer));
        return exitFailed;
    }
    const auto run = loadRun(options, io);
    if (!run) return exitFailed;
    // Printed by the report object, as a host prints: its printer, copies and page list.
    RPD& report = *run->inputs.report;
    report.setFormatXMLStream(makeStream(run->inputs.templateXml.toUtf8()));
    report.setDeviceName(printer);
    report.setCopies(copies);
    int begun = 0;
    report.setPrintTargets(std::make_shared<ProgressPrintTargets>(std::make_shared<SystemPrintTargets>(), [&](int pages) {
        begun = pages;
        showProgress(io, pages, 0);
    }));
    int printed = 0;
    try {
        printed = report.printPageList(options.value("--pages", QStringLiteral("ALL")));
    } catch (const ComError& error) {
        endProgress(io, begun);
        io.error(QStringLiteral("kyreport print: %1").arg(error.message()));
        return exitFailed;
    }
    endProgress(io, begun);
    const QString pages = options.value("--pages", QStringLiteral("ALL"));
    if (printed == 0) {
        io.error(QStringLiteral("kyreport print: the report has no page in '%1'").arg(pages));
        return exitFailed;
    }
    io.print(QStringLiteral("%1: %2 page(s)\n").arg(printer).arg(printed));
    if (printer == VirtualPrinter::deviceName()) listVirtualPrinterPages(printed, io);
    return exitOk;
}

int printers(const QStringList& args, const Output& io) {
    if (!args.isEmpty()) {
        io.error(QStringLiteral("usage: kyreport printers"));
        return exitUsage;
    }
    const auto service = hostPrinters();
    const QString fallback = service->currentDeviceName();
    for (const QString& name : service->deviceNames()) io.print(name + (name == fallback ? u" *\n"_qs : u"\n"_qs));
    return exitOk;
}

}  // namespace

std::vector<Command> outputCommands() {
    return {{QStringLiteral("render"), helpLine(kRenderUsage),
             QStringLiteral("write a report as a PDF file, one .png/.bmp picture per page, or through the report object as "
                            "EMF pages, a .mht web page, a .doc document or a .rpd report data file"),
             render, true},
            {QStringLiteral("print"), helpLine(kPrintUsage), QStringLiteral("print a report on an installed printer"), print,
             true},
            {QStringLiteral("printers"), QStringLiteral("printers"),
             QStringLiteral("the installed printers' device names, the default marked with *"), printers, true}};
}

}  // namespace ky::cli
