#pragma once
// What the commands that fill reports read: a template (an .rpx file, or
// the template inside an .rpd file) and the data (JSON through SetJsonData,
// or the record sets of an .rpd file).

#include "platform/byte_stream.h"
#include "platform/printer_service.h"
#include "platform/result.h"
#include "report/api/rpd.h"
#include "report/data/report_session.h"

#include <QString>

#include <memory>

namespace ky::cli {

// The template bytes of an .rpx file, or the Format part of an .rpd file.
Result<StreamPtr> templateOf(const QString& path);

// The text of a file, or of standard input for "-".
Result<QString> readText(const QString& path);

struct ReportInputs {
    std::shared_ptr<ReportSession> session = std::make_shared<ReportSession>();
    // The report object the data went through; its record sets live as long as it does.
    std::unique_ptr<RPD> report;
    QString templateXml;  // the template as the engine reads it: pages, never the single-page form
    QString dataMessage;  // what SetJsonData said (empty when it converted the data)
};

// The printers a host of the report object has: the system's and the virtual one.
std::shared_ptr<PrinterService> hostPrinters();

// `jsonPath` and `rpdPath` may be empty; without either the report has no data.
Result<ReportInputs> loadReportInputs(const QString& templatePath, const QString& jsonPath, const QString& rpdPath);

}  // namespace ky::cli
