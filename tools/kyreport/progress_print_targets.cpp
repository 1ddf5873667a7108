#include "tools/kyreport/progress_print_targets.h"

#include "report/engine/qt/paged_surface.h"

namespace ky::cli {

Result<std::unique_ptr<Surface>> ProgressPrintTargets::openJob(const QString& deviceName, const PrinterSettings& settings) {
    auto job = targets_->openJob(deviceName, settings);
    // Only the system's printers page through Qt; the virtual printer's files are listed afterwards.
    if (job)
        if (auto* paged = dynamic_cast<PagedSurface*>(job.value().get())) paged->setPageListener(pageBegun_);
    return job;
}

}  // namespace ky::cli
