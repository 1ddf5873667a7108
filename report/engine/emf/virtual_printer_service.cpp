#include "report/engine/emf/virtual_printer_service.h"

#include "report/engine/emf/virtual_printer.h"

namespace ky {

VirtualPrinterService::VirtualPrinterService(std::shared_ptr<PrinterService> inner)
    : inner_(inner ? std::move(inner) : std::make_shared<FixedPrinterService>()) {}

QStringList VirtualPrinterService::deviceNames() const {
    QStringList names = inner_->deviceNames();
    if (!names.contains(VirtualPrinter::deviceName())) names << VirtualPrinter::deviceName();
    return names;
}

QString VirtualPrinterService::currentDeviceName() const {
    return virtualCurrent() ? VirtualPrinter::deviceName() : inner_->currentDeviceName();
}

bool VirtualPrinterService::selectPrinter(const QString& deviceName) {
    if (deviceName == VirtualPrinter::deviceName()) {
        virtualSelected_ = true;
        virtualSettings_ = {};
        return true;
    }
    if (!inner_->selectPrinter(deviceName)) return false;
    virtualSelected_ = false;
    return true;
}

PrinterSettings VirtualPrinterService::settings() const { return virtualCurrent() ? virtualSettings_ : inner_->settings(); }

void VirtualPrinterService::setCopies(int copies) {
    if (virtualCurrent()) virtualSettings_.copies = copies;
    else inner_->setCopies(copies);
}

void VirtualPrinterService::setColorMode(std::int16_t mode) {
    if (virtualCurrent()) virtualSettings_.colorMode = mode;
    else inner_->setColorMode(mode);
}

void VirtualPrinterService::setPrintQuality(std::int16_t quality) {
    if (virtualCurrent()) virtualSettings_.printQuality = quality;
    else inner_->setPrintQuality(quality);
}

std::shared_ptr<PrinterService> withVirtualPrinter(std::shared_ptr<PrinterService> inner) {
    return std::make_shared<VirtualPrinterService>(std::move(inner));
}

}  // namespace ky
