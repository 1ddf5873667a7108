#pragma once
// Unregistering the self-registering libraries an installation named under
// REGDLLS: each is loaded, its DllUnregisterServer called when it has one,
// and unloaded. Loading runs the library's code, so this runs in a process
// of its own, started by the removal.

#include "platform/result.h"

#include <QString>

namespace ky::unsetup {

// Keeps the current folder as it was, whatever the library does to it.
Status unregisterLibrary(const QString& path);
// The two-argument form: every library of the log in `logFolder`. Libraries
// that fail are reported on standard error; the others still go.
int unregisterLoggedLibraries(const QString& logFolder);

}  // namespace ky::unsetup
