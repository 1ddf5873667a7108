#include "report/api/component_module.h"

#include "report/api/rpd.h"
#include "report/api/system_print_targets.h"
#include "report/api/static_class.h"
#include "report/data/string_builder.h"

#include <QFileInfo>

namespace ky {

ComponentModule::ComponentModule(QString libraryPath, std::shared_ptr<PrinterService> printers)
    : libraryPath_(std::move(libraryPath)), printers_(std::move(printers)), targets_(std::make_shared<SystemPrintTargets>()) {
    const QString folder = QFileInfo(libraryPath_).absolutePath();
    classes_ = {
        {QStringLiteral("RPD"), RPD::clsid,
         [this, folder] {
             auto report = std::make_shared<RPD>(session_, printers_, folder);
             report->setPrintTargets(targets_);
             return report;
         }},
        {QStringLiteral("RPD_RecordSet"), RPD_RecordSet::clsid, [] { return std::make_shared<RPD_RecordSet>(); }},
        {QStringLiteral("StringBuilder"), StringBuilder::clsid, [] { return std::make_shared<StringBuilder>(); }},
        {QStringLiteral("StaticClass"), StaticClass::clsid, [] { return std::make_shared<StaticClass>(); }},
    };
}

const CreatableClass* ComponentModule::findClass(const Guid& clsid) const {
    for (const auto& c : classes_)
        if (c.clsid == clsid) return &c;
    return nullptr;
}

std::vector<com::ClassRegistration> ComponentModule::registrations() const {
    std::vector<com::ClassRegistration> entries;
    for (const auto& c : classes_) entries.push_back({c.progId(), c.clsid, libraryPath_, c.progId()});
    return entries;
}

Status ComponentModule::registerClasses(RegistryStore& registry) const {
    return registry.update([&](RegistryTree& tree) {
        for (const auto& entry : registrations()) com::writeClassRegistration(tree, entry);
    });
}

Status ComponentModule::unregisterClasses(RegistryStore& registry) const {
    return registry.update([&](RegistryTree& tree) {
        for (const auto& entry : registrations()) com::eraseClassRegistration(tree, entry.progId, entry.clsid);
    });
}

}  // namespace ky
