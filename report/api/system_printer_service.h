#pragma once
// The system's installed printers (CUPS) as the report object sees them.
// The list needs a GUI application in the host; without one it is empty.

#include "platform/printer_service.h"

namespace ky {

class SystemPrinterService final : public PrinterService {
public:
    QStringList deviceNames() const override;
    QString currentDeviceName() const override;
    bool selectPrinter(const QString& deviceName) override;
    PrinterSettings settings() const override { return settings_; }
    void setCopies(int copies) override { settings_.copies = copies; }
    void setColorMode(std::int16_t mode) override { settings_.colorMode = mode; }
    void setPrintQuality(std::int16_t quality) override { settings_.printQuality = quality; }

private:
    QString selected_;  // empty: the default printer
    PrinterSettings settings_;
};

}  // namespace ky
