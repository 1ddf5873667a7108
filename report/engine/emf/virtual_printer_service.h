#pragma once
// The installed printers with the virtual printer among them: wraps the
// system's printer list (or any other) and adds "kestrow printer".

#include "platform/printer_service.h"

#include <memory>

namespace ky {

class VirtualPrinterService final : public PrinterService {
public:
    explicit VirtualPrinterService(std::shared_ptr<PrinterService> inner);

    QStringList deviceNames() const override;
    // The inner service's current printer; the virtual one when it was
    // selected or the inner service has none.
    QString currentDeviceName() const override;
    bool selectPrinter(const QString& deviceName) override;

    PrinterSettings settings() const override;
    void setCopies(int copies) override;
    void setColorMode(std::int16_t mode) override;
    void setPrintQuality(std::int16_t quality) override;

private:
    bool virtualCurrent() const { return virtualSelected_ || inner_->currentDeviceName().isEmpty(); }

    std::shared_ptr<PrinterService> inner_;
    bool virtualSelected_ = false;
    PrinterSettings virtualSettings_;
};

std::shared_ptr<PrinterService> withVirtualPrinter(std::shared_ptr<PrinterService> inner);

}  // namespace ky
