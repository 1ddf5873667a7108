#pragma once
// The removal with its windows: the main window, the confirmation, and the
// progress dialog while the removal runs on a thread of its own.

#include "unsetup/command_line.h"
#include "unsetup/removal_actions.h"
#include "unsetup/setup_log.h"

namespace ky::unsetup {

// Needs a QApplication. Returns the exit status.
int runRemovalWindows(const SetupLog& log, RemovalActions& actions, const Options& options);

}  // namespace ky::unsetup
