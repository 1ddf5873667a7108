#pragma once
// Where the report object prints: a surface for a job on one of the
// installed printers (the virtual file printer among them). The rendering
// layer provides it; without one the report object cannot print.

#include "platform/printer_service.h"
#include "platform/result.h"
#include "report/engine/surface/surface.h"

#include <memory>

namespace ky {

class PrintTargets {
public:
    virtual ~PrintTargets() = default;
    // A job on the printer with this device name and these settings.
    virtual Result<std::unique_ptr<Surface>> openJob(const QString& deviceName, const PrinterSettings& settings) = 0;
};

// The virtual printer that writes one EMF file per page.
inline const QString kVirtualPrinterName = QStringLiteral("kestrow printer");

}  // namespace ky
