#include "report/api/system_printer_service.h"

#include "report/engine/qt/printer_surface.h"

#include <QGuiApplication>

namespace ky {

namespace {

bool guiAvailable() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

}  // namespace

QStringList SystemPrinterService::deviceNames() const { return guiAvailable() ? installedPrinters() : QStringList(); }

QString SystemPrinterService::currentDeviceName() const {
    if (!selected_.isEmpty()) return selected_;
    return guiAvailable() ? defaultPrinter() : QString();
}

bool SystemPrinterService::selectPrinter(const QString& deviceName) {
    if (!deviceNames().contains(deviceName)) return false;
    selected_ = deviceName;
    settings_ = {};
    return true;
}

}  // namespace ky
