#include "unsetup/log_entries.h"

#include <QDir>
#include <QStringList>

#include <array>

namespace ky::unsetup {

namespace {

// The fields of an entry, trimmed; the last field keeps any further commas,
// so that a value name or INI key may hold one.
QStringList fields(const QString& entry, qsizetype count) {
    QStringList parts;
    QStringView rest(entry);
    while (parts.size() + 1 < count) {
        const qsizetype comma = rest.indexOf(u',');
        if (comma < 0) break;
        parts.append(rest.first(comma).trimmed().toString());
        rest = rest.sliced(comma + 1);
    }
    parts.append(rest.trimmed().toString());
    return parts;
}

Failure tooFewFields(const QString& entry, const char* expected) {
    return fail(QStringLiteral("\"%1\" does not have the fields %2").arg(entry, QLatin1StringView(expected)));
}

Result<Hive> readHive(const QString& name) {
    // The log names hives by their short names only.
    static constexpr std::array<std::pair<QStringView, Hive>, 4> kHives{{
        {u"HKCR", Hive::ClassesRoot},
        {u"HKCU", Hive::CurrentUser},
        {u"HKLM", Hive::LocalMachine},
        {u"HKU", Hive::Users},
    }};
    for (const auto& [shortName, hive] : kHives)
        if (name == shortName) return hive;
    return fail(QStringLiteral("unknown registry hive \"%1\"").arg(name));
}

const std::array<QStringView, 4> kHiveShortNames{u"HKCR", u"HKCU", u"HKLM", u"HKU"};

}  // namespace

Result<QString> readPathEntry(const QString& entry) {
    const QString path = entry.trimmed();
    if (!QDir::isAbsolutePath(path)) return fail(QStringLiteral("\"%1\" is not an absolute path").arg(path));
    return QDir::cleanPath(path);
}

Result<FontEntry> readFontEntry(const QString& entry) {
    const QStringList parts = fields(entry, 2);
    if (parts.size() < 2) return tooFewFields(entry, "font file, value name");
    auto file = readPathEntry(parts[0]);
    if (!file) return fail(file.error());
    return FontEntry{file.value(), parts[1]};
}

Result<RegistryKeyEntry> readRegistryKeyEntry(const QString& entry) {
    const QStringList parts = fields(entry, 2);
    if (parts.size() < 2) return tooFewFields(entry, "hive, key");
    auto hive = readHive(parts[0]);
    if (!hive) return fail(hive.error());
    return RegistryKeyEntry{hive.value(), parts[1]};
}

Result<RegistryValueEntry> readRegistryValueEntry(const QString& entry) {
    const QStringList parts = fields(entry, 3);
    if (parts.size() < 3) return tooFewFields(entry, "hive, key, value name");
    auto hive = readHive(parts[0]);
    if (!hive) return fail(hive.error());
    return RegistryValueEntry{hive.value(), parts[1], parts[2]};
}

Result<IniKeyEntry> readIniKeyEntry(const QString& entry) {
    const QStringList parts = fields(entry, 3);
    if (parts.size() < 3) return tooFewFields(entry, "INI file, section, key");
    auto file = readPathEntry(parts[0]);
    if (!file) return fail(file.error());
    return IniKeyEntry{file.value(), parts[1], parts[2]};
}

Result<ProgramEntry> readProgramEntry(const QString& value) {
    const QStringList parts = fields(value, 6);
    ProgramEntry program;
    program.program = parts[0];
    if (program.program.isEmpty()) return fail(QStringLiteral("\"%1\" names no program").arg(value));
    program.parameters = parts.value(1);
    program.workingFolder = parts.value(2);
    program.noWait = parts.value(5).toInt() != 0;
    return program;
}

QString registryKeyText(Hive hive, const QString& path) {
    return kHiveShortNames[static_cast<size_t>(hive)].toString() + u'\\' + path;
}

}  // namespace ky::unsetup
