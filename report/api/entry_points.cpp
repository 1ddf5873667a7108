// The four entry points of the component library. They take no context, so
// the library keeps its one ComponentModule here, made on first use.

#include "report/api/component_module.h"
#include "report/api/system_printer_service.h"
#include "report/engine/emf/virtual_printer_service.h"

#include <QFile>

#include <dlfcn.h>

#include <cstdio>
#include <map>

#define KY_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using namespace ky;

QString libraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&libraryPath), &info) == 0 || !info.dli_fname) return {};
    return QFile::decodeName(info.dli_fname);
}

struct Module {
    ComponentModule component{libraryPath(), withVirtualPrinter(std::make_shared<SystemPrinterService>())};
    std::map<std::size_t, ClassFactory> factories;  // by class index
};

Module& module() {
    static Module instance;
    return instance;
}

HResult reportFailure(const Status& status) {
    if (status) return hresult::ok;
    std::fprintf(stderr, "%s\n", status.error().toLocal8Bit().constData());
    return hresult::registrationFailed;
}

}  // namespace

KY_EXPORT HResult DllGetClassObject(const Guid* clsid, const Guid* iid, void** object) {
    if (!clsid || !iid || !object) return hresult::pointer;
    *object = nullptr;
    if (!(*iid == com::IClassFactory::iid)) return hresult::noInterface;
    Module& m = module();
    const auto& classes = m.component.classes();
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (!(classes[i].clsid == *clsid)) continue;
        auto [it, added] = m.factories.try_emplace(i, classes[i]);
        *object = static_cast<com::IClassFactory*>(&it->second);
        return hresult::ok;
    }
    return hresult::classNotAvailable;
}

KY_EXPORT HResult DllCanUnloadNow() { return com::moduleObjectCount() == 0 ? hresult::ok : hresult::falseResult; }

KY_EXPORT HResult DllRegisterServer() {
    RegistryStore registry(RegistryStore::defaultPath());
    return reportFailure(module().component.registerClasses(registry));
}

KY_EXPORT HResult DllUnregisterServer() {
    RegistryStore registry(RegistryStore::defaultPath());
    return reportFailure(module().component.unregisterClasses(registry));
}
