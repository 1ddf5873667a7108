#pragma once
// The report object: settings, data and template hand-over, and the events
// back to its host. It shares the process-wide session with everything else
// the component creates.

#include "report/api/report_output.h"
#include "report/api/rpd_interface.h"
#include "report/data/report_session.h"
#include "platform/com_object.h"
#include "platform/printer_service.h"

#include <pugixml.hpp>

#include <memory>
#include <vector>

namespace ky {

class RPD final : public com::Object, public IRPD {
public:
    static constexpr Guid clsid{0x5C0D9A11, 0x3E2B, 0x4F61, {0x9A, 0x4E, 0x21, 0x7B, 0x0C, 0x51, 0x6E, 0x00}};

    // Resets the session's record sets and temporary path, as every new
    // report object does; `componentFolder` is the library's own folder.
    RPD(std::shared_ptr<ReportSession> session, std::shared_ptr<PrinterService> printers, QString componentFolder);
    // Releases every record set of the session.
    ~RPD() override;

    void* queryInterface(const Guid& interfaceId) noexcept override { return com::interfaceOf<IRPD>(this, interfaceId); }

    void advise(std::shared_ptr<IRPDEvents> sink) override;
    void unadvise(const std::shared_ptr<IRPDEvents>& sink) override;

    bool AllowPrintToServer() const override { return session_->allowPrintToServer; }
    void setAllowPrintToServer(bool value) override { session_->allowPrintToServer = value; }
    void setServerPrinterNames(const QString& value) override { session_->serverPrinterNames = value; }
    bool AllowSubmitRPT() const override { return allowSubmit_; }
    void setAllowSubmitRPT(bool value) override { allowSubmit_ = value; }
    void setAllowDesign(bool value) override { session_->allowDesign = value; }
    void setAppPath(const QString& value) override { session_->appPath = value; }
    QString ReportName() const override { return session_->reportName; }
    void setReportName(const QString& value) override;
    void setColorMode(std::int32_t value) override;
    void setCopies(std::int32_t value) override { copies_ = value; }
    void setDeviceName(const QString& value) override { printers_->selectPrinter(value); }
    void setIcon(StreamPtr picture) override { session_->icon = std::move(picture); }
    void setPBString(const QString& value) override { pbString_ = value; }
    void setPrintQuality(std::int32_t value) override;
    void setTempPath(const QString& value) override { session_->tempPath = value; }
    QString OutPutFileName() const override { return outputFileName_; }
    void setOutPutFileName(const QString& value) override { outputFileName_ = value; }
    QString KeyName() const override { return keyName_; }
    void setKeyName(const QString& value) override;
    void setFormatXMLStream(StreamPtr stream) override;
    void setFormatXMLString(const QString& xml) override { SetXmlFormat(xml); }
    void setAppName(const QString& value) override { session_->appName = value; }

    void AddRPDData(std::shared_ptr<IRPD_RecordSet>& rpdrs) override;
    void Ready() override;
    void AddRecordset(RecordSetPtr rs, const QString& strKey, const QString& strParentKey, const QString& strDescription,
                      const QString& strLinkFriendKey, const QString& strLinkParentKey,
                      const QString& strLinkChildKey) override;
    bool SetXmlFormat(const QString& strXml) override;
    bool CloseRPT() override;
    QString SetJsonData(const QString& strJson) override;
    StreamPtr SubmitRPD() override;
    void DesignRPD(StreamPtr FileStm) override { loadReportDataFile(FileStm); }
    void ViewRPD(StreamPtr FileStm) override { loadReportDataFile(FileStm); }
    void PrintRPD(StreamPtr FileStm) override;
    void OutPutRPD(StreamPtr FileStm) override;
    void PrintReport() override;
    void OutPutReport() override;

    // Prints the pages of a page list ("ALL", "1-3,5") on the current printer
    // and raises PrintReport, as the window's print command does; the number
    // of pages printed. PrintReport is this with "ALL".
    int printPageList(const QString& pageList);

    // The printers' surfaces; without them printing and EMF output fail.
    void setPrintTargets(std::shared_ptr<PrintTargets> targets) { targets_ = std::move(targets); }
    // How long file output waits for the virtual printer's page files.
    void setPageWait(PageWait wait) { pageWait_ = std::move(wait); }

    // For the component's own parts and tests.
    const StreamPtr& templateStream() const { return templateStream_; }
    const pugi::xml_document* templateDom() const { return templateDom_.get(); }
    std::int32_t copies() const { return copies_; }
    const QString& pbString() const { return pbString_; }

private:
    // Splits a report data file into record sets and template; throws ComError.
    void loadReportDataFile(const StreamPtr& file);
    ReportJob job();
    // The template as XML text, or nothing when no template is held.
    std::optional<QString> templateXml() const;
    void raisePrintReport(QString reportName, const StreamPtr& stream);

    std::shared_ptr<ReportSession> session_;
    std::shared_ptr<PrinterService> printers_;
    std::vector<std::shared_ptr<IRPDEvents>> sinks_;
    StreamPtr templateStream_;
    std::unique_ptr<pugi::xml_document> templateDom_;
    std::int32_t copies_ = 0;
    QString outputFileName_;
    QString keyName_;
    QString pbString_;
    bool allowSubmit_ = false;
    std::shared_ptr<PrintTargets> targets_;
    PageWait pageWait_;
    ReportEngine engine_;
};

// The scripting language's Trim: spaces only.
QString trimSpaces(const QString& text);

// The text rewriting SetXmlFormat applies before parsing: the four named
// entities other than &amp; are decoded, then every & is escaped again.
QString rewriteXmlEntities(QString xml);

}  // namespace ky
