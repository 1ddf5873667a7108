#include "unsetup/dry_run_actions.h"

#include "unsetup/file_removal.h"
#include "unsetup/system_actions.h"

namespace ky::unsetup {

void DryRunActions::say(const QString& line) {
    out_ << line << '\n';
    out_.flush();
}

Status DryRunActions::listed(const QString& line) {
    say(line);
    return {};
}

Status DryRunActions::startProgram(const ProgramEntry& program) {
    const QString how = program.noWait ? QStringLiteral("without waiting") : QStringLiteral("and wait");
    return listed(QStringLiteral("run %1 %2 %3").arg(program.program, program.parameters, how).simplified());
}

Status DryRunActions::unregisterLibraries(const QStringList& libraries) {
    for (const QString& library : libraries) say(QStringLiteral("unregister library %1").arg(library.trimmed()));
    return {};
}

Result<std::optional<std::uint32_t>> DryRunActions::releaseSharedCounter(const QString& file) {
    auto counter = sharedCounter(registry_, file);
    if (!counter || !counter.value()) return counter;
    const std::uint32_t now = *counter.value();
    const std::uint32_t after = now > 0 ? now - 1 : 0;
    say(QStringLiteral("release shared counter of %1 (%2 -> %3)").arg(file).arg(now).arg(after));
    return std::optional<std::uint32_t>(after);
}

Status DryRunActions::deleteSharedCounter(const QString& file) {
    return listed(QStringLiteral("delete shared counter of %1").arg(file));
}

bool DryRunActions::fileExists(const QString& path) { return pathExists(path); }

Status DryRunActions::deleteFile(const QString& path) { return listed(QStringLiteral("delete file %1").arg(path)); }

Status DryRunActions::deleteAtRestart(const QString& path) {
    return listed(QStringLiteral("delete at restart %1").arg(path));
}

Status DryRunActions::deleteFontValue(const QString& valueName) {
    return listed(QStringLiteral("delete font value %1").arg(valueName));
}

Status DryRunActions::removeFolder(const QString& path) { return listed(QStringLiteral("remove folder %1").arg(path)); }

Status DryRunActions::deleteRegistryKey(const RegistryKeyEntry& key) {
    return listed(QStringLiteral("delete registry key %1").arg(registryKeyText(key.hive, key.path)));
}

Status DryRunActions::deleteRegistryValue(const RegistryValueEntry& value) {
    return listed(
        QStringLiteral("delete registry value %1 of %2").arg(value.name, registryKeyText(value.hive, value.path)));
}

Status DryRunActions::deleteIniKey(const IniKeyEntry& key) {
    return listed(QStringLiteral("delete INI key %1 [%2] %3").arg(key.file, key.section, key.key));
}

}  // namespace ky::unsetup
