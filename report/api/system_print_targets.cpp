#include "report/api/system_print_targets.h"

#include "platform/registry_store.h"
#include "report/engine/emf/virtual_printer.h"
#include "report/engine/qt/pictures/picture_loader.h"
#include "report/engine/qt/printer_surface.h"
#include "report/engine/qt/qr_code.h"
#include "report/engine/qt/qt_text_metrics.h"

#include <QGuiApplication>
#include <QImage>

namespace ky {

namespace {

// Every kind of picture the other surfaces draw, metafiles included.
std::optional<QImage> decodePicture(const QByteArray& bytes) {
    QImage image = loadPicture(bytes);
    if (image.isNull()) return std::nullopt;
    return image;
}

// The code's modules with its quiet zone, as the painter surfaces draw it.
std::vector<std::vector<bool>> qrModules(const QString& text) {
    const QrMatrix code = encodeQr(text);
    if (code.size <= 0) return {};
    const auto side = static_cast<std::size_t>(code.size + 2 * kQrQuietModules);
    std::vector<std::vector<bool>> rows(side, std::vector<bool>(side, false));
    for (int y = 0; y < code.size; ++y)
        for (int x = 0; x < code.size; ++x)
            rows[static_cast<std::size_t>(y + kQrQuietModules)][static_cast<std::size_t>(x + kQrQuietModules)] = code.at(x, y);
    return rows;
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
        VirtualPrinter printer(RegistryStore(RegistryStore::defaultPath()), decodePicture, qrModules);
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
