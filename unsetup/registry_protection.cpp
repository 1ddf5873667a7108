#include "unsetup/registry_protection.h"

namespace ky::unsetup {

bool isProtectedKey(Hive hive, const QString& path) {
    // The store splits paths the same way, so "\\SOFTWARE\\" is the key SOFTWARE.
    const QList<QStringView> parts = QStringView(path).split(u'\\', Qt::SkipEmptyParts);
    if (parts.isEmpty()) return true;
    if (parts.size() == 1 && hive != Hive::ClassesRoot) return true;
    return parts.back().compare(u"SOFTWARE", Qt::CaseInsensitive) == 0;
}

}  // namespace ky::unsetup
