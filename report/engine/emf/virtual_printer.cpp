#include "report/engine/emf/virtual_printer.h"

namespace ky {

VirtualPrinter::VirtualPrinter(RegistryStore registry, EmfSurface::PictureDecoder decodePicture,
                               EmfSurface::QrModules qrModules, QString defaultConfigPath)
    : registry_(std::move(registry)),
      decodePicture_(std::move(decodePicture)),
      qrModules_(std::move(qrModules)),
      defaultConfigPath_(std::move(defaultConfigPath)) {}

Result<std::unique_ptr<EmfSurface>> VirtualPrinter::startJob(const TextMetrics& metrics) {
    if (const auto configured = ensureDefaultConfiguration(registry_, defaultConfigPath_); !configured)
        return fail(configured.error());
    Result<VirtualPrinterConfig> config = readVirtualPrinterConfig(registry_);
    if (!config) return fail(config.error());
    auto pageFile = [base = config->outputFile, suffix = config->suffix](int page) { return suffix.pageFile(base, page); };
    return std::make_unique<EmfSurface>(metrics, EmfSurfaceOptions{config->dpi, config->colors}, std::move(pageFile),
                                        decodePicture_, qrModules_);
}

}  // namespace ky
