#pragma once
// Finding, loading and creating registered component classes: the registry
// keys a library writes for its classes, and the runtime that reads them to
// create an object from its ProgID.

#include "platform/com_object.h"
#include "platform/registry_store.h"
#include "platform/result.h"

#include <QString>

#include <memory>
#include <vector>

namespace ky::com {

struct ClassRegistration {
    QString progId;       // "Ky_Qm_NEWRPD.RPD"
    Guid clsid;
    QString libraryPath;  // InprocServer32
    QString description;
};

// HKCR\<ProgID>\CLSID and HKCR\CLSID\{clsid}\InprocServer32, ProgID.
void writeClassRegistration(RegistryTree& registry, const ClassRegistration& entry);
void eraseClassRegistration(RegistryTree& registry, const QString& progId, const Guid& clsid);
Result<ClassRegistration> findClassRegistration(const RegistryTree& registry, const QString& progId);
// Every ProgID in HKCR with a CLSID that leads to a library, sorted by ProgID.
std::vector<ClassRegistration> registeredClasses(const RegistryTree& registry);

// A loaded component library and its entry points. Unloads itself only when
// the library says none of its objects is alive.
class ComponentLibrary {
public:
    static Result<std::shared_ptr<ComponentLibrary>> open(const QString& path);
    ~ComponentLibrary();
    ComponentLibrary(const ComponentLibrary&) = delete;
    ComponentLibrary& operator=(const ComponentLibrary&) = delete;

    const QString& path() const { return path_; }
    HResult registerServer() const { return registerServer_(); }
    HResult unregisterServer() const { return unregisterServer_(); }
    bool canUnloadNow() const { return canUnloadNow_() == hresult::ok; }
    Result<IClassFactory*> classFactory(const Guid& clsid) const;

private:
    ComponentLibrary() = default;
    QString path_;
    void* handle_ = nullptr;
    GetClassObjectFunction getClassObject_ = nullptr;
    CanUnloadNowFunction canUnloadNow_ = nullptr;
    RegisterServerFunction registerServer_ = nullptr;
    UnregisterServerFunction unregisterServer_ = nullptr;
};

// Creates objects by ProgID from the classes registered in a registry store.
class ComponentRuntime {
public:
    explicit ComponentRuntime(RegistryStore registry) : registry_(std::move(registry)) {}

    Result<ObjectPtr> createObject(const QString& progId);

    template <class Interface>
    Result<std::shared_ptr<Interface>> create(const QString& progId) {
        auto object = createObject(progId);
        if (!object) return fail(object.error());
        auto found = queryInterface<Interface>(object.value());
        if (!found) return fail(QStringLiteral("%1 does not offer the requested interface").arg(progId));
        return found;
    }

private:
    Result<std::shared_ptr<ComponentLibrary>> library(const QString& path);

    RegistryStore registry_;
    std::vector<std::shared_ptr<ComponentLibrary>> libraries_;
};

}  // namespace ky::com
