#include "unsetup/system_actions.h"

#include "unsetup/file_removal.h"
#include "unsetup/pending_deletions.h"

#include "platform/ini_file.h"

#include <QFile>
#include <QProcess>

namespace ky::unsetup {

namespace {

// Unregistering a handful of libraries takes moments; one that hangs in its
// unregistration must not hold the removal forever.
constexpr int kUnregisterTimeoutMs = 120'000;

}  // namespace

Result<std::optional<std::uint32_t>> sharedCounter(const RegistryTree& registry, const QString& file) {
    const auto value = registry.value(Hive::LocalMachine, kSharedCountersKey, file);
    if (!value) return std::optional<std::uint32_t>();
    if (value->kind != RegistryValue::Kind::Dword) return fail(QStringLiteral("its reference counter is not a number"));
    return std::optional<std::uint32_t>(value->dword);
}

SystemActions::SystemActions(RegistryStore registry, QString ownProgram, QString logFolder)
    : registry_(std::move(registry)), ownProgram_(std::move(ownProgram)), logFolder_(std::move(logFolder)) {}

Status SystemActions::startProgram(const ProgramEntry& program) {
    QProcess process;
    process.setProgram(program.program);
    process.setArguments(QProcess::splitCommand(program.parameters));
    if (!program.workingFolder.isEmpty()) process.setWorkingDirectory(program.workingFolder);
    if (program.noWait) {
        if (!process.startDetached()) return fail(QStringLiteral("cannot start %1").arg(program.program));
        return {};
    }
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    // The program decides how long the user takes with it.
    if (!process.waitForStarted() || !process.waitForFinished(-1))
        return fail(QStringLiteral("cannot run %1: %2").arg(program.program, process.errorString()));
    return {};
}

Status SystemActions::unregisterLibraries(const QStringList&) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(ownProgram_, {logFolder_});
    if (!process.waitForStarted()) return fail(process.errorString());
    if (!process.waitForFinished(kUnregisterTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return fail(QStringLiteral("the unregistration did not end within %1 s").arg(kUnregisterTimeoutMs / 1000));
    }
    return {};
}

Result<std::optional<std::uint32_t>> SystemActions::releaseSharedCounter(const QString& file) {
    Result<std::optional<std::uint32_t>> counter = std::optional<std::uint32_t>();
    const Status updated = registry_.update([&](RegistryTree& tree) {
        counter = sharedCounter(tree, file);
        if (!counter || !counter.value() || *counter.value() == 0) return;
        counter.value() = *counter.value() - 1;
        tree.setValue(Hive::LocalMachine, kSharedCountersKey, file, RegistryValue::fromDword(*counter.value()));
    });
    if (!updated) return fail(updated.error());
    return counter;
}

Status SystemActions::deleteSharedCounter(const QString& file) {
    return registry_.update([&](RegistryTree& tree) { tree.deleteValue(Hive::LocalMachine, kSharedCountersKey, file); });
}

bool SystemActions::fileExists(const QString& path) { return pathExists(path); }

Status SystemActions::deleteFile(const QString& path) { return deleteFileAt(path); }

Status SystemActions::deleteAtRestart(const QString& path) { return scheduleDeletionAtRestart(registry_, path); }

Status SystemActions::deleteFontValue(const QString& valueName) {
    return registry_.update([&](RegistryTree& tree) { tree.deleteValue(Hive::LocalMachine, kFontsKey, valueName); });
}

Status SystemActions::removeFolder(const QString& path) { return removeEmptyFolder(path); }

Status SystemActions::deleteRegistryKey(const RegistryKeyEntry& key) {
    return registry_.update([&](RegistryTree& tree) { tree.deleteKey(key.hive, key.path); });
}

Status SystemActions::deleteRegistryValue(const RegistryValueEntry& value) {
    return registry_.update([&](RegistryTree& tree) { tree.deleteValue(value.hive, value.path, value.name); });
}

Status SystemActions::deleteIniKey(const IniKeyEntry& key) {
    if (!QFile::exists(key.file)) return {};
    auto ini = IniFile::load(key.file);
    if (!ini) return fail(ini.error());
    if (!ini->removeKey(key.section, key.key)) return {};
    return ini->save(key.file);
}

}  // namespace ky::unsetup
