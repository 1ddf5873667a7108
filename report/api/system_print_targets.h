#pragma once
// The print targets of the component: the virtual printer's EMF pages, and
// the system's printers. Text is measured with the real fonts when the host
// runs a GUI application, otherwise with fixed widths (a console host).

#include "report/api/print_targets.h"
#include "report/engine/surface/text_metrics.h"

#include <memory>

namespace ky {

class SystemPrintTargets final : public PrintTargets {
public:
    SystemPrintTargets();
    ~SystemPrintTargets() override;

    Result<std::unique_ptr<Surface>> openJob(const QString& deviceName, const PrinterSettings& settings) override;

private:
    const TextMetrics& metrics();

    std::unique_ptr<TextMetrics> metrics_;
};

}  // namespace ky
