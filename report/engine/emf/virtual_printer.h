#pragma once
// The virtual printer "kestrow printer": a job reads the configuration the
// registry names and prints onto an EMF surface that writes the page files.
// The first job on a machine without a configuration writes the default one.

#include "report/engine/emf/emf_surface.h"
#include "report/engine/emf/virtual_printer_config.h"

#include <memory>

namespace ky {

class VirtualPrinter {
public:
    VirtualPrinter(RegistryStore registry, EmfSurface::PictureDecoder decodePicture, EmfSurface::QrModules qrModules = {},
                   QString defaultConfigPath = defaultConfigurationPath());

    static QString deviceName() { return QStringLiteral("kestrow printer"); }

    // A surface for one job, with the configuration as it is now; an error
    // when the configuration cannot be written or read, or is refused.
    Result<std::unique_ptr<EmfSurface>> startJob(const TextMetrics& metrics);

private:
    RegistryStore registry_;
    EmfSurface::PictureDecoder decodePicture_;
    EmfSurface::QrModules qrModules_;
    QString defaultConfigPath_;
};

}  // namespace ky
