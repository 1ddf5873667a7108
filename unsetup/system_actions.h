#pragma once
// The removal's actions on this machine: files and folders on disk, the
// registry store, INI files, and programs started as processes of their own.

#include "unsetup/removal_actions.h"

#include "platform/registry_store.h"

namespace ky::unsetup {

class SystemActions : public RemovalActions {
public:
    // `ownProgram` is started with `logFolder` to unregister libraries.
    SystemActions(RegistryStore registry, QString ownProgram, QString logFolder);

    Status startProgram(const ProgramEntry& program) override;
    Status unregisterLibraries(const QStringList& libraries) override;
    Result<std::optional<std::uint32_t>> releaseSharedCounter(const QString& file) override;
    Status deleteSharedCounter(const QString& file) override;
    bool fileExists(const QString& path) override;
    Status deleteFile(const QString& path) override;
    Status deleteAtRestart(const QString& path) override;
    Status deleteFontValue(const QString& valueName) override;
    Status removeFolder(const QString& path) override;
    Status deleteRegistryKey(const RegistryKeyEntry& key) override;
    Status deleteRegistryValue(const RegistryValueEntry& value) override;
    Status deleteIniKey(const IniKeyEntry& key) override;

private:
    RegistryStore registry_;
    QString ownProgram_;
    QString logFolder_;
};

// Reads a shared file's counter: empty when it has none.
Result<std::optional<std::uint32_t>> sharedCounter(const RegistryTree& registry, const QString& file);

}  // namespace ky::unsetup
