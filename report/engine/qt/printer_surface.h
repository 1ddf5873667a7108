#pragma once
// Pages sent to an installed printer through the system's print service
// (CUPS): the printer by device name, copies, colour mode and print quality
// as the report object's printer settings give them; the job is named after
// the report.

#include "platform/printer_service.h"
#include "report/engine/qt/paged_surface.h"

#include <QPrinter>

#include <memory>

namespace ky {

class PrinterSurface final : public PagedSurface {
public:
    // An empty device name prints on the default printer.
    PrinterSurface(const QtTextMetrics& metrics, const QString& deviceName, const PrinterSettings& settings);
    // A job left unfinished (no endDoc) is aborted rather than sent half printed.
    ~PrinterSurface() override;

    void setDocumentName(const QString& name) override { printer_.setDocName(name); }
    const QPrinter& printer() const { return printer_; }

private:
    QPrinter printer_;
};

// The installed printers' device names and the default one (empty when none).
QStringList installedPrinters();
QString defaultPrinter();

// Print quality as the driver settings give it: negative draft (-1) to high
// (-4), positive dots per inch; 0 leaves the printer's own.
int resolutionForQuality(int quality);

}  // namespace ky
