#pragma once
// Files to delete when the machine restarts, kept where the system keeps its
// pending file operations: the value PendingFileRenameOperations under
// HKLM\SYSTEM\CurrentControlSet\Control\Session Manager. The store holds no
// multi-string values, so the paths are one string separated by ";", with
// "%", ";" and control characters written as "%XX".

#include "platform/registry_store.h"
#include "platform/result.h"

#include <QString>
#include <QStringList>

namespace ky::unsetup {

Status scheduleDeletionAtRestart(RegistryStore& registry, const QString& path);
QStringList pendingDeletions(const RegistryTree& registry);

}  // namespace ky::unsetup
