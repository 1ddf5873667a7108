#pragma once
// The installed printers and the current printer's settings, as the report
// object and the engine see them. The rendering layer backs this with the
// system's printers; tests and headless hosts use a fixed list.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace ky {

struct PrinterSettings {
    int copies = 1;
    std::int16_t colorMode = 0;     // 0: the driver's default; 1 monochrome, 2 colour
    std::int16_t printQuality = 0;  // 0: the driver's default; negative: draft..high; positive: dpi
    friend bool operator==(const PrinterSettings&, const PrinterSettings&) = default;
};

class PrinterService {
public:
    virtual ~PrinterService() = default;

    virtual QStringList deviceNames() const = 0;
    // Empty when no printer is installed.
    virtual QString currentDeviceName() const = 0;
    // Makes the printer with exactly this device name current, with its own
    // default settings; false, changing nothing, when there is none.
    virtual bool selectPrinter(const QString& deviceName) = 0;

    virtual PrinterSettings settings() const = 0;
    virtual void setCopies(int copies) = 0;
    virtual void setColorMode(std::int16_t mode) = 0;
    virtual void setPrintQuality(std::int16_t quality) = 0;
};

// A fixed list of printers; the first is current.
class FixedPrinterService : public PrinterService {
public:
    explicit FixedPrinterService(QStringList deviceNames = {});

    QStringList deviceNames() const override { return devices_; }
    QString currentDeviceName() const override { return current_; }
    bool selectPrinter(const QString& deviceName) override;
    PrinterSettings settings() const override { return settings_; }
    void setCopies(int copies) override { settings_.copies = copies; }
    void setColorMode(std::int16_t mode) override { settings_.colorMode = mode; }
    void setPrintQuality(std::int16_t quality) override { settings_.printQuality = quality; }

private:
    QStringList devices_;
    QString current_;
    PrinterSettings settings_;
};

}  // namespace ky
