#pragma once
// Registry keys the removal never touches, whatever a log says: a top-level
// key of HKCU, HKLM or HKU holds every program's settings, and a key named
// SOFTWARE anywhere is the root of them. Top-level keys of HKCR are one
// class or file type each and may go.

#include "platform/registry_store.h"

#include <QString>

namespace ky::unsetup {

bool isProtectedKey(Hive hive, const QString& path);

}  // namespace ky::unsetup
