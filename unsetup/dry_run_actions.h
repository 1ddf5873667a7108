#pragma once
// A dry run: every action is written as one line to `out` and nothing on the
// machine changes. Shared-file counters are read, not written, so that the
// listing follows the same decisions a removal would take.

#include "unsetup/removal_actions.h"

#include "platform/registry_store.h"

#include <QTextStream>

namespace ky::unsetup {

class DryRunActions : public RemovalActions {
public:
    DryRunActions(RegistryTree registry, QTextStream& out) : registry_(std::move(registry)), out_(out) {}

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
    void say(const QString& line);
    Status listed(const QString& line);

    RegistryTree registry_;
    QTextStream& out_;
};

}  // namespace ky::unsetup
