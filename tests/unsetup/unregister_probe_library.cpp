// A self-registering library for the tests: its unregistration deletes the
// key HKCR\UnsetupProbe from the registry store, as a real one deletes its
// class registration.
#include "platform/com_error.h"
#include "platform/registry_store.h"

extern "C" __attribute__((visibility("default"))) ky::HResult DllUnregisterServer() {
    ky::RegistryStore registry(ky::RegistryStore::defaultPath());
    const ky::Status done =
        registry.update([](ky::RegistryTree& tree) { tree.deleteKey(ky::Hive::ClassesRoot, QStringLiteral("UnsetupProbe")); });
    return done ? ky::hresult::ok : ky::hresult::fail;
}
