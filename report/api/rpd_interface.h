#pragma once
// The public interfaces of the report component's classes RPD and
// StaticClass, and the event sink through which RPD calls its host.
// Members report failures by throwing ky::ComError.

#include "report/data/rpd_record_set.h"
#include "platform/byte_stream.h"
#include "platform/guid.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace ky {

// Events of the report object, in slot order. Arguments passed by
// reference may be changed by the host and are read back.
class IRPDEvents {
public:
    static constexpr Guid iid{0x5C0D9A11, 0x3E2B, 0x4F61, {0x9A, 0x4E, 0x21, 0x7B, 0x0C, 0x51, 0x6E, 0x10}};
    virtual ~IRPDEvents() = default;

    virtual void FormOpenFinished() {}
    virtual void SaveFormat(QString& ReportName, QString& strFormatXml, StreamPtr& streamFormat, bool& isOk) {
        (void)ReportName, (void)strFormatXml, (void)streamFormat, (void)isOk;
    }
    virtual void PrintReport(QString& ReportName, QString& strFormatXml, StreamPtr& streamRPD) {
        (void)ReportName, (void)strFormatXml, (void)streamRPD;
    }
    virtual void SubmitReport(QString& ReportName, QString& strFormatXml, StreamPtr& streamRPD) {
        (void)ReportName, (void)strFormatXml, (void)streamRPD;
    }
    virtual void Quit() {}
    virtual void PrintToServer(QString& ReportName, QString& strXmlFormat, QString& strServerPrinterName,
                               std::int32_t intCopies, QString& strPages, std::int32_t intColorMode,
                               std::int32_t intPrintQuality, QString& strReturnInfo) {
        (void)ReportName, (void)strXmlFormat, (void)strServerPrinterName, (void)intCopies, (void)strPages,
            (void)intColorMode, (void)intPrintQuality, (void)strReturnInfo;
    }
    virtual void PrintWordDoc(QString& ReportName, std::int16_t& intPageCount, QString& strDocBase64) {
        (void)ReportName, (void)intPageCount, (void)strDocBase64;
    }
    virtual void SaveWordDoc(QString& ReportName, std::int16_t& intPageCount, QString& strDocBase64, bool& isOk) {
        (void)ReportName, (void)intPageCount, (void)strDocBase64, (void)isOk;
    }
};

// The report object. Write-only properties have only a setter; getters
// carry the property's name.
class IRPD {
public:
    static constexpr Guid iid{0x5C0D9A11, 0x3E2B, 0x4F61, {0x9A, 0x4E, 0x21, 0x7B, 0x0C, 0x51, 0x6E, 0x11}};
    virtual ~IRPD() = default;

    // Events go to every advised sink, in the order they were advised.
    virtual void advise(std::shared_ptr<IRPDEvents> sink) = 0;
    virtual void unadvise(const std::shared_ptr<IRPDEvents>& sink) = 0;

    virtual bool AllowPrintToServer() const = 0;
    virtual void setAllowPrintToServer(bool value) = 0;
    virtual void setServerPrinterNames(const QString& value) = 0;
    virtual bool AllowSubmitRPT() const = 0;
    virtual void setAllowSubmitRPT(bool value) = 0;
    virtual void setAllowDesign(bool value) = 0;
    virtual void setAppPath(const QString& value) = 0;
    virtual QString ReportName() const = 0;
    virtual void setReportName(const QString& value) = 0;
    virtual void setColorMode(std::int32_t value) = 0;
    virtual void setCopies(std::int32_t value) = 0;
    virtual void setDeviceName(const QString& value) = 0;
    // The icon's picture file bytes.
    virtual void setIcon(StreamPtr picture) = 0;
    virtual void setPBString(const QString& value) = 0;
    virtual void setPrintQuality(std::int32_t value) = 0;
    virtual void setTempPath(const QString& value) = 0;
    virtual QString OutPutFileName() const = 0;
    virtual void setOutPutFileName(const QString& value) = 0;
    virtual QString KeyName() const = 0;
    virtual void setKeyName(const QString& value) = 0;
    virtual void setFormatXMLStream(StreamPtr stream) = 0;
    virtual void setFormatXMLString(const QString& xml) = 0;
    virtual void setAppName(const QString& value) = 0;

    virtual void AddRPDData(std::shared_ptr<IRPD_RecordSet>& rpdrs) = 0;
    virtual void Ready() = 0;
    virtual void AddRecordset(RecordSetPtr rs, const QString& strKey, const QString& strParentKey,
                              const QString& strDescription, const QString& strLinkFriendKey,
                              const QString& strLinkParentKey, const QString& strLinkChildKey) = 0;
    virtual bool SetXmlFormat(const QString& strXml) = 0;
    virtual bool CloseRPT() = 0;
    // Adds the record sets of JSON report data and rebuilds the main field
    // lists; returns the reader's or converter's message, empty on success.
    virtual QString SetJsonData(const QString& strJson) = 0;

    // A new report data file of the template and the current record sets, at position 0.
    virtual StreamPtr SubmitRPD() = 0;
    // Each takes a report data file: its record sets replace the report's
    // and its template becomes the template (nothing given: nothing done).
    // Design and preview then open the window, printing prints and output
    // writes the file; those steps need the window and the engine.
    virtual void DesignRPD(StreamPtr FileStm) = 0;
    virtual void ViewRPD(StreamPtr FileStm) = 0;
    virtual void PrintRPD(StreamPtr FileStm) = 0;
    virtual void OutPutRPD(StreamPtr FileStm) = 0;
    // Prints the current template and record sets on the current printer.
    virtual void PrintReport() = 0;
    // Writes them to OutPutFileName (.rpd, .emf, .mht or .doc).
    virtual void OutPutReport() = 0;
};

class IStaticClass {
public:
    static constexpr Guid iid{0x5C0D9A11, 0x3E2B, 0x4F61, {0x9A, 0x4E, 0x21, 0x7B, 0x0C, 0x51, 0x6E, 0x12}};
    virtual ~IStaticClass() = default;
    // 32 upper-case hexadecimal digits.
    virtual QString NewGUID() = 0;
};

}  // namespace ky
