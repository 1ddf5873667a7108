#include "report/engine/qt/printer_surface.h"

#include <QPrinterInfo>

#include <array>

namespace ky {

int resolutionForQuality(int quality) {
    // Draft, low, medium, high.
    constexpr std::array<int, 4> kQualityDpi{150, 300, 600, 1200};
    if (quality > 0) return quality;
    if (quality < 0 && -quality <= static_cast<int>(kQualityDpi.size())) return kQualityDpi[static_cast<std::size_t>(-quality - 1)];
    return 0;
}

PrinterSurface::PrinterSurface(const QtTextMetrics& metrics, const QString& deviceName, const PrinterSettings& settings)
    : PagedSurface(metrics, printer_), printer_(QPrinter::HighResolution) {
    printer_.setOutputFormat(QPrinter::NativeFormat);
    if (!deviceName.isEmpty()) printer_.setPrinterName(deviceName);
    printer_.setFullPage(true);
    printer_.setCopyCount(std::max(1, settings.copies));
    if (settings.colorMode == 1) printer_.setColorMode(QPrinter::GrayScale);
    else if (settings.colorMode == 2) printer_.setColorMode(QPrinter::Color);
    if (const int dpi = resolutionForQuality(settings.printQuality); dpi > 0) printer_.setResolution(dpi);
}

PrinterSurface::~PrinterSurface() {
    if (painter().isActive()) printer_.abort();
    endPainting();
}

QStringList installedPrinters() { return QPrinterInfo::availablePrinterNames(); }

QString defaultPrinter() { return QPrinterInfo::defaultPrinterName(); }

}  // namespace ky
