#include "platform/printer_service.h"

namespace ky {

FixedPrinterService::FixedPrinterService(QStringList deviceNames) : devices_(std::move(deviceNames)) {
    if (!devices_.isEmpty()) current_ = devices_.front();
}

bool FixedPrinterService::selectPrinter(const QString& deviceName) {
    if (!devices_.contains(deviceName, Qt::CaseSensitive)) return false;
    current_ = deviceName;
    settings_ = PrinterSettings{};
    return true;
}

}  // namespace ky
