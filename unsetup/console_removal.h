#pragma once
// The removal without windows, for scripts: --quiet removes and lists what
// was left on standard error, --dry-run lists what a removal would do on
// standard output and changes nothing.

#include "unsetup/command_line.h"

#include <QString>

namespace ky::unsetup {

// `ownProgram` is started to unregister the log's libraries.
int runConsoleRemoval(const QString& logFolder, const Options& options, const QString& ownProgram);

}  // namespace ky::unsetup
