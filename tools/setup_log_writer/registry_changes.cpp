#include "tools/setup_log_writer/registry_changes.h"

#include "unsetup/registry_protection.h"

#include <array>

namespace ky::install {

namespace {

// HKCR keys below which every component library puts its own keys.
bool isSharedClassesKey(const QString& path) {
    static constexpr std::array<QStringView, 4> kShared{u"CLSID", u"Interface", u"TypeLib", u"AppID"};
    for (QStringView name : kShared)
        if (path.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool isSharedKey(Hive hive, const QString& path) {
    return unsetup::isProtectedKey(hive, path) || (hive == Hive::ClassesRoot && isSharedClassesKey(path));
}

QString childPath(const QString& parent, const QString& name) {
    return parent.isEmpty() ? name : parent + u'\\' + name;
}

void collect(const RegistryTree& before, const RegistryTree& after, Hive hive, const QString& path,
             RegistryChanges& changes) {
    for (const QString& name : after.subkeys(hive, path)) {
        const QString child = childPath(path, name);
        if (!before.keyExists(hive, child) && !isSharedKey(hive, child)) {
            changes.keys.push_back({hive, child});
            continue;
        }
        if (before.keyExists(hive, child)) {
            for (const QString& value : after.valueNames(hive, child))
                if (!before.value(hive, child, value)) changes.values.push_back({hive, child, value});
        }
        collect(before, after, hive, child, changes);
    }
}

}  // namespace

RegistryChanges registryChanges(const RegistryTree& before, const RegistryTree& after) {
    RegistryChanges changes;
    for (Hive hive : {Hive::ClassesRoot, Hive::CurrentUser, Hive::LocalMachine, Hive::Users})
        collect(before, after, hive, QString(), changes);
    return changes;
}

}  // namespace ky::install
