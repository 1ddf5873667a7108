#pragma once
// What the program does in each of its command-line forms.

#include "unsetup/command_line.h"

namespace ky::unsetup {

// Quiet and dry runs and the unregistration: needs only a QCoreApplication.
int runWithoutWindows(const CommandLine& line);
// The user's form and the temporary copy with windows: needs a QApplication.
int runWithWindows(const CommandLine& line);

inline bool needsWindows(const CommandLine& line) {
    return line.form != Form::Unregister && !line.options.quiet && !line.options.dryRun;
}

}  // namespace ky::unsetup
