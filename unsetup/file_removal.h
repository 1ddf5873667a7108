#pragma once
// Deleting what an installation put on disk. Paths are taken as they stand:
// a symbolic link is removed itself, never what it points to.

#include "platform/result.h"

#include <QString>

namespace ky::unsetup {

// True for anything at the path, a dangling link included.
bool pathExists(const QString& path);
// A missing file counts as deleted. When deletion is refused and the file is
// read-only, it is made writable and tried once more (and made read-only
// again when that fails too).
Status deleteFileAt(const QString& path);
// Only an empty folder goes; a missing one counts as removed.
Status removeEmptyFolder(const QString& path);

}  // namespace ky::unsetup
