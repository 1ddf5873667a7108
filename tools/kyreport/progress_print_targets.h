#pragma once
// The report object's print targets with every page a job begins reported,
// so that `kyreport print` can show progress while the report object prints.

#include "report/api/print_targets.h"

#include <functional>
#include <memory>

namespace ky::cli {

class ProgressPrintTargets final : public PrintTargets {
public:
    // `pageBegun` hears the number of pages begun so far in the job.
    ProgressPrintTargets(std::shared_ptr<PrintTargets> targets, std::function<void(int)> pageBegun)
        : targets_(std::move(targets)), pageBegun_(std::move(pageBegun)) {}

    Result<std::unique_ptr<Surface>> openJob(const QString& deviceName, const PrinterSettings& settings) override;

private:
    std::shared_ptr<PrintTargets> targets_;
    std::function<void(int)> pageBegun_;
};

}  // namespace ky::cli
