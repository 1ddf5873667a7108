#pragma once
// The program removes the folder it was started from, so the user's form
// hands the work to a copy of itself in the temporary folder. The copy is
// told the launching process's id, waits until that process has ended, and
// deletes its own file when done.

#include "platform/registry_store.h"
#include "platform/result.h"

#include <QString>
#include <QStringList>

namespace ky::unsetup {

// A copy of `program` named "Del…" in the temporary folder, executable. A
// failure reads "<what>, Error <system error code>".
Result<QString> copyToTemporaryFile(const QString& program);
// Starts the copy with: the launching process's id, the launcher's path and
// the launcher's folder (with a trailing "/"), then `options`.
Status startTemporaryCopy(const QString& copy, const QString& launcher, const QStringList& options);
// Returns when no process with this id is left.
void waitForProcessEnd(qint64 processId);
// The log folder from the launcher's folder argument: cut after its last "/".
QString logFolderFrom(const QString& launcherFolder);
// A running program's file can be deleted here; should that fail, it goes at
// the next restart.
Status deleteOwnCopy(const QString& copy, RegistryStore& registry);

}  // namespace ky::unsetup
