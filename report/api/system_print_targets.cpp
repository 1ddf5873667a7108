#include "report/api/system_print_targets.h"

#include "platform/registry_store.h"
#include "report/engine/emf/virtual_printer.h"
#include "report/engine/qt/printer_surface.h"
#include "report/engine/qt/qt_text_metrics.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

namespace ky {

namespace {

std::optional<QImage> decodePicture(const QByteArray& bytes) {
    QImage image;
    if (!image.loadFromData(bytes)) return std::nullopt;
    return image;
}

}  // namespace

SystemPrintTargets::SystemPrintTargets() = default;
SystemPrintTargets::~SystemPrintTargets() = default;

const TextMetrics& SystemPrintTargets::metrics() {
    if (!metrics_) {
        // Fonts need a GUI application; a console host gets widths it can trust the same way.
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) metrics_ = std::make_unique<QtTextMetrics>();
        else metrics_ = std::make_unique<FixedTextMetrics>();
    }
    return *metrics_;
}

Result<std::unique_ptr<Surface>> SystemPrintTargets::openJob(const QString& deviceName, const PrinterSettings& settings) {
    if (deviceName.toLower() == kVirtualPrinterName) {
        VirtualPrinter printer(RegistryStore(RegistryStore::defaultPath()), decodePicture);
        auto job = printer.startJob(metrics());
        if (!job) return fail(job.error());
        return std::unique_ptr<Surface>(std::move(job).value());
    }
    // The system's printers draw with the real fonts, which need a GUI application.
    const auto* qtMetrics = dynamic_cast<const QtTextMetrics*>(&metrics());
    if (!qtMetrics) return fail(QStringLiteral("printing on \"%1\" needs a GUI application in the host").arg(deviceName));
    auto surface = std::make_unique<PrinterSurface>(*qtMetrics, deviceName, settings);
    return std::unique_ptr<Surface>(std::move(surface));
}

}  // namespace ky
