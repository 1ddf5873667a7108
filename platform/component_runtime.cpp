#include "platform/component_runtime.h"

#include <QFileInfo>

#include <dlfcn.h>

#include <algorithm>

namespace ky::com {

namespace {

const QString kClsidRoot = QStringLiteral("CLSID");

QString classKey(const Guid& clsid) { return kClsidRoot + u'\\' + clsid.toBracedString(); }

template <class Function>
Function entryPoint(void* handle, const char* name) {
    return reinterpret_cast<Function>(dlsym(handle, name));
}

}  // namespace

void writeClassRegistration(RegistryTree& registry, const ClassRegistration& entry) {
    const Hive hkcr = Hive::ClassesRoot;
    const QString clsidText = entry.clsid.toBracedString();
    registry.setValue(hkcr, entry.progId, QString(), RegistryValue::string(entry.description));
    registry.setValue(hkcr, entry.progId + QStringLiteral("\\CLSID"), QString(), RegistryValue::string(clsidText));
    const QString key = classKey(entry.clsid);
    registry.setValue(hkcr, key, QString(), RegistryValue::string(entry.description));
    registry.setValue(hkcr, key + QStringLiteral("\\InprocServer32"), QString(), RegistryValue::string(entry.libraryPath));
    registry.setValue(hkcr, key + QStringLiteral("\\InprocServer32"), QStringLiteral("ThreadingModel"),
                      RegistryValue::string(QStringLiteral("Apartment")));
    registry.setValue(hkcr, key + QStringLiteral("\\ProgID"), QString(), RegistryValue::string(entry.progId));
}

void eraseClassRegistration(RegistryTree& registry, const QString& progId, const Guid& clsid) {
    registry.deleteKey(Hive::ClassesRoot, progId);
    registry.deleteKey(Hive::ClassesRoot, classKey(clsid));
}

Result<ClassRegistration> findClassRegistration(const RegistryTree& registry, const QString& progId) {
    const Hive hkcr = Hive::ClassesRoot;
    const auto clsidValue = registry.value(hkcr, progId + QStringLiteral("\\CLSID"), QString());
    if (!clsidValue || clsidValue->kind != RegistryValue::Kind::String)
        return fail(QStringLiteral("class %1 is not registered").arg(progId));
    const auto clsid = Guid::parse(clsidValue->text);
    if (!clsid) return fail(QStringLiteral("class %1 has an invalid CLSID %2").arg(progId, clsidValue->text));
    const auto path = registry.value(hkcr, classKey(*clsid) + QStringLiteral("\\InprocServer32"), QString());
    if (!path || path->kind != RegistryValue::Kind::String || path->text.isEmpty())
        return fail(QStringLiteral("class %1 (%2) names no library").arg(progId, clsidValue->text));
    const auto description = registry.value(hkcr, progId, QString());
    return ClassRegistration{progId, *clsid, path->text, description ? description->text : QString()};
}

std::vector<ClassRegistration> registeredClasses(const RegistryTree& registry) {
    std::vector<ClassRegistration> found;
    for (const QString& key : registry.subkeys(Hive::ClassesRoot, QString())) {
        if (key.compare(kClsidRoot, Qt::CaseInsensitive) == 0) continue;
        if (auto entry = findClassRegistration(registry, key)) found.push_back(std::move(entry).value());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.progId < b.progId; });
    return found;
}

Result<std::shared_ptr<ComponentLibrary>> ComponentLibrary::open(const QString& path) {
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return fail(QStringLiteral("cannot load %1: %2").arg(path, QString::fromLocal8Bit(dlerror())));
    std::shared_ptr<ComponentLibrary> library(new ComponentLibrary);
    library->path_ = path;
    library->handle_ = handle;
    library->getClassObject_ = entryPoint<GetClassObjectFunction>(handle, "DllGetClassObject");
    library->canUnloadNow_ = entryPoint<CanUnloadNowFunction>(handle, "DllCanUnloadNow");
    library->registerServer_ = entryPoint<RegisterServerFunction>(handle, "DllRegisterServer");
    library->unregisterServer_ = entryPoint<UnregisterServerFunction>(handle, "DllUnregisterServer");
    if (!library->getClassObject_ || !library->canUnloadNow_ || !library->registerServer_ || !library->unregisterServer_)
        return fail(QStringLiteral("%1 is not a component library: an entry point is missing").arg(path));
    return library;
}

ComponentLibrary::~ComponentLibrary() {
    // Objects of the library may outlive us; their code must stay mapped.
    if (handle_ && (!canUnloadNow_ || canUnloadNow())) dlclose(handle_);
}

Result<IClassFactory*> ComponentLibrary::classFactory(const Guid& clsid) const {
    void* factory = nullptr;
    const HResult hr = getClassObject_(&clsid, &IClassFactory::iid, &factory);
    if (hr != hresult::ok || !factory)
        return fail(QStringLiteral("%1 has no class %2 (error 0x%3)")
                        .arg(path_, clsid.toBracedString())
                        .arg(static_cast<quint32>(hr), 8, 16, QLatin1Char('0')));
    return static_cast<IClassFactory*>(factory);
}

Result<std::shared_ptr<ComponentLibrary>> ComponentRuntime::library(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString key = canonical.isEmpty() ? path : canonical;
    for (const auto& loaded : libraries_)
        if (loaded->path() == key) return loaded;
    auto opened = ComponentLibrary::open(key);
    if (opened) libraries_.push_back(opened.value());
    return opened;
}

Result<ObjectPtr> ComponentRuntime::createObject(const QString& progId) {
    auto registry = registry_.read();
    if (!registry) return fail(registry.error());
    auto entry = findClassRegistration(registry.value(), progId);
    if (!entry) return fail(entry.error());
    auto loaded = library(entry->libraryPath);
    if (!loaded) return fail(loaded.error());
    auto factory = loaded.value()->classFactory(entry->clsid);
    if (!factory) return fail(factory.error());
    try {
        ObjectPtr object = factory.value()->createInstance();
        if (!object) return fail(QStringLiteral("%1 created nothing").arg(progId));
        return object;
    } catch (const ComError& error) {
        return fail(QStringLiteral("cannot create %1: %2").arg(progId, error.message()));
    }
}

}  // namespace ky::com
