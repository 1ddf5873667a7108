#include "report/api/system_print_targets.h"

#include "platform/registry_store.h"
#include "report/engine/emf/virtual_printer.h"
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
    static_cast<void>(settings);
    if (deviceName.toLower() == kVirtualPrinterName) {
        VirtualPrinter printer(RegistryStore(RegistryStore::defaultPath()), decodePicture);
        auto job = printer.startJob(metrics());
        if (!job) return fail(job.error());
        return std::unique_ptr<Surface>(std::move(job).value());
    }
    return fail(QStringLiteral("the printer \"%1\" cannot be printed on from this process").arg(deviceName));
}

}  // namespace ky
