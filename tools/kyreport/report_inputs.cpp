#include "tools/kyreport/report_inputs.h"

#include "platform/com_error.h"
#include "platform/printer_service.h"
#include "report/api/system_print_targets.h"
#include "report/api/system_printer_service.h"
#include "report/engine/emf/virtual_printer_service.h"
#include "report/data/record_set_bundle.h"
#include "report/template/report_data_file.h"
#include "report/template/template_document.h"
#include "report/template/xml_document.h"

#include <QFile>

namespace ky::cli {

Result<StreamPtr> templateOf(const QString& path) {
    auto file = makeStream();
    if (Status read = file->loadFromFile(path); !read) return fail(read.error());
    if (!path.endsWith(QStringLiteral(".rpd"), Qt::CaseInsensitive)) return file;
    auto parts = UnpackReportData(file);
    if (!parts) return fail(parts.error());
    if (!parts->format) return fail(QStringLiteral("%1 holds no template").arg(path));
    return parts->format;
}

Result<QString> readText(const QString& path) {
    QFile file;
    const bool opened = path == QStringLiteral("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                    : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return QString::fromUtf8(file.readAll());
}

namespace {

Result<QString> templateXmlOf(const QString& path, ReportSession& session) {
    auto bytes = templateOf(path);
    if (!bytes) return fail(bytes.error());
    pugi::xml_document probe;
    // The designer would open anything as a new report; a command says what is wrong.
    if (!loadXmlBytes(probe, bytes.value()->bytes()) || !probe.child("Report"))
        return fail(QStringLiteral("%1 is not a report template").arg(path));
    TemplateDocument document(session);
    if (Status loaded = document.loadRPX(bytes.value()); !loaded) return fail(loaded.error());
    return saveXmlText(document.document());
}

Status loadRpdData(const QString& path, ReportSession& session) {
    auto file = makeStream();
    if (Status read = file->loadFromFile(path); !read) return read;
    auto parts = UnpackReportData(file);
    if (!parts) return fail(parts.error());
    return loadRecordSets(session.recordSets, parts->data);
}

}  // namespace

std::shared_ptr<PrinterService> hostPrinters() { return withVirtualPrinter(std::make_shared<SystemPrinterService>()); }

Result<ReportInputs> loadReportInputs(const QString& templatePath, const QString& jsonPath, const QString& rpdPath) {
    ReportInputs inputs;
    inputs.report = std::make_unique<RPD>(inputs.session, hostPrinters(), QString());
    inputs.report->setPrintTargets(std::make_shared<SystemPrintTargets>());
    auto xml = templateXmlOf(templatePath, *inputs.session);
    if (!xml) return fail(xml.error());
    inputs.templateXml = xml.value();
    if (!rpdPath.isEmpty()) {
        if (Status loaded = loadRpdData(rpdPath, *inputs.session); !loaded) return fail(loaded.error());
    } else if (!jsonPath.isEmpty()) {
        auto text = readText(jsonPath);
        if (!text) return fail(text.error());
        try {
            inputs.dataMessage = inputs.report->SetJsonData(text.value());
        } catch (const ComError& error) {
            return fail(error.message());
        }
    }
    return inputs;
}

}  // namespace ky::cli
