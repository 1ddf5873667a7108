#include "report/api/rpd.h"

#include "report/template/report_data_file.h"
#include "report/template/xml_document.h"
#include "report/data/json_to_record_sets.h"
#include "report/data/record_set_bundle.h"
#include "platform/com_error.h"

#include <algorithm>
#include <limits>

namespace ky {

namespace {

std::int16_t toInt16(std::int32_t value, const char* property) {
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw ComError(QStringLiteral("%1 %2 is out of range").arg(QLatin1String(property)).arg(value), hresult::invalidArgument);
    return static_cast<std::int16_t>(value);
}

}  // namespace

QString trimSpaces(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == u' ') ++begin;
    while (end > begin && text[end - 1] == u' ') --end;
    return text.sliced(begin, end - begin);
}

QString rewriteXmlEntities(QString xml) {
    xml.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    xml.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    xml.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    xml.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    xml.replace(QStringLiteral("&"), QStringLiteral("&amp;"));
    return xml;
}

RPD::RPD(std::shared_ptr<ReportSession> session, std::shared_ptr<PrinterService> printers, QString componentFolder)
    : session_(std::move(session)), printers_(std::move(printers)) {
    session_->formatChanged = false;
    session_->tempPath = componentFolder;
    session_->recordSets.reset();
    if (session_->appPath.trimmed().isEmpty()) session_->appPath = componentFolder;
}

RPD::~RPD() { session_->recordSets.releaseAll(); }

void RPD::advise(std::shared_ptr<IRPDEvents> sink) {
    if (sink) sinks_.push_back(std::move(sink));
}

void RPD::unadvise(const std::shared_ptr<IRPDEvents>& sink) { std::erase(sinks_, sink); }

// The component's application title is the report name; nothing keeps a copy.
void RPD::setReportName(const QString& value) { session_->reportName = value; }

void RPD::setColorMode(std::int32_t value) { printers_->setColorMode(toInt16(value, "ColorMode")); }
void RPD::setPrintQuality(std::int32_t value) { printers_->setPrintQuality(toInt16(value, "PrintQuality")); }

void RPD::setKeyName(const QString& value) { keyName_ = trimSpaces(value); }

void RPD::setFormatXMLStream(StreamPtr stream) {
    templateStream_ = std::move(stream);
    if (!templateStream_) {
        templateDom_.reset();
        return;
    }
    templateStream_->setPosition(0);
    templateDom_ = std::make_unique<pugi::xml_document>();
    loadXmlBytes(*templateDom_, templateStream_->bytes());
}

void RPD::AddRPDData(std::shared_ptr<IRPD_RecordSet>& rpdrs) {
    if (Status s = session_->recordSets.addRPDData(rpdrs.get()); !s) throw ComError(s.error());
}

void RPD::Ready() {
    if (Status s = buildMainFieldLists(session_->recordSets, session_->mainFieldLists); !s) throw ComError(s.error());
}

void RPD::AddRecordset(RecordSetPtr rs, const QString& strKey, const QString& strParentKey,
                       const QString& strDescription, const QString& strLinkFriendKey,
                       const QString& strLinkParentKey, const QString& strLinkChildKey) {
    const RecordSetLinks links{strKey, strParentKey, strDescription, strLinkFriendKey, strLinkParentKey, strLinkChildKey};
    if (Status s = session_->recordSets.addRecordset(std::move(rs), links); !s) throw ComError(s.error());
}

bool RPD::SetXmlFormat(const QString& strXml) {
    templateDom_ = std::make_unique<pugi::xml_document>();
    if (!loadXmlText(*templateDom_, rewriteXmlEntities(strXml))) return false;
    templateStream_ = makeStream(saveXmlBytes(*templateDom_));
    return true;
}

QString RPD::SetJsonData(const QString& strJson) {
    JsonToRPD_Rst converter;
    const QString message = converter.ParseStringToRPDRs(strJson);
    if (!message.isEmpty()) {
        // Nothing was added, so Ready would fail on the empty slot and hide the
        // message the host is meant to show: the message wins.
        (void)buildMainFieldLists(session_->recordSets, session_->mainFieldLists);
        return message;
    }
    for (int i = 0; i < converter.RPDRecordsetCount(); ++i)
        if (const auto wrapper = converter.RPDRecordset(i))
            if (Status added = session_->recordSets.addRPDData(wrapper.get()); !added) throw ComError(added.error());
    Ready();
    return message;
}

StreamPtr RPD::SubmitRPD() {
    auto bundle = packRecordSets(session_->recordSets);
    if (!bundle) throw ComError(bundle.error());
    return PackReportData(templateStream_, bundle.value());
}

void RPD::loadReportDataFile(const StreamPtr& file) {
    if (!file) return;
    file->setPosition(0);
    const auto parts = UnpackReportData(file);
    if (!parts) throw ComError(parts.error());
    if (Status loaded = loadRecordSets(session_->recordSets, parts->data); !loaded) throw ComError(loaded.error());
    setFormatXMLStream(parts->format);
}

std::optional<QString> RPD::templateXml() const {
    if (!templateStream_ || !templateDom_) return std::nullopt;
    return saveXmlText(*templateDom_);
}

ReportJob RPD::job() {
    return {*session_, *printers_, targets_.get(), engine_, templateXml().value_or(QString()), templateStream_, pageWait_};
}

void RPD::raisePrintReport(QString reportName, const StreamPtr& stream) {
    QString xml = templateXml().value_or(QString());
    StreamPtr file = stream;
    for (const auto& sink : std::vector(sinks_)) sink->PrintReport(reportName, xml, file);
}

void RPD::PrintReport() { printPageList(QStringLiteral("ALL")); }

int RPD::printPageList(const QString& pageList) {
    if (!templateXml()) {
        // What the window would show in a message box; the host hears Quit.
        qWarning("%s", qUtf8Printable(QStringLiteral("错误: 没有设置报表格式，不能预览报表")));
        for (const auto& sink : std::vector(sinks_)) sink->Quit();
        return 0;
    }
    if (copies_ == 0) copies_ = 1;
    printers_->setCopies(copies_);
    const auto printed = printOnCurrentPrinter(job(), pageList);
    if (!printed) throw ComError(printed.error());
    raisePrintReport(session_->reportName, SubmitRPD());
    return printed->drawn;
}

void RPD::PrintRPD(StreamPtr FileStm) {
    if (!FileStm) return;
    loadReportDataFile(FileStm);
    if (const auto printed = printOnCurrentPrinter(job()); !printed) throw ComError(printed.error());
    FileStm->setPosition(0);
    raisePrintReport(QString(), FileStm);
}

void RPD::OutPutRPD(StreamPtr FileStm) {
    if (!FileStm) return;
    loadReportDataFile(FileStm);
    if (Status written = writeReportFile(job(), outputFileName_, keyName_, FileStm); !written) throw ComError(written.error());
}

void RPD::OutPutReport() {
    if (Status written = writeReportFile(job(), outputFileName_, keyName_, nullptr); !written) throw ComError(written.error());
}

bool RPD::CloseRPT() {
    // No window can be open yet, so nothing is left to close.
    return true;
}

}  // namespace ky
