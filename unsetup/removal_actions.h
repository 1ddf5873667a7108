#pragma once
// What the removal does to the machine, behind one interface: the removal
// decides what to remove and in which order, the actions carry it out (or,
// for a dry run, only say what they would do).

#include "unsetup/log_entries.h"

#include "platform/result.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace ky::unsetup {

// The value naming a shared file under HKLM holds the number of
// installations that use it.
inline const QString kSharedCountersKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs");
inline const QString kFontsKey = QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts");

class RemovalActions {
public:
    virtual ~RemovalActions() = default;

    virtual Status startProgram(const ProgramEntry& program) = 0;
    // Runs the library unregistration as a second process and waits for it.
    virtual Status unregisterLibraries(const QStringList& libraries) = 0;
    // Decrements the file's counter when above zero. Empty when the file has
    // no counter; a counter that is not a number fails.
    virtual Result<std::optional<std::uint32_t>> releaseSharedCounter(const QString& file) = 0;
    virtual Status deleteSharedCounter(const QString& file) = 0;
    virtual bool fileExists(const QString& path) = 0;
    // A missing file counts as deleted; a read-only one is made writable and
    // tried once more.
    virtual Status deleteFile(const QString& path) = 0;
    virtual Status deleteAtRestart(const QString& path) = 0;
    virtual Status deleteFontValue(const QString& valueName) = 0;
    // Only an empty folder goes; a missing one counts as removed.
    virtual Status removeFolder(const QString& path) = 0;
    // A missing key, value or INI key counts as deleted.
    virtual Status deleteRegistryKey(const RegistryKeyEntry& key) = 0;
    virtual Status deleteRegistryValue(const RegistryValueEntry& value) = 0;
    virtual Status deleteIniKey(const IniKeyEntry& key) = 0;
};

}  // namespace ky::unsetup
