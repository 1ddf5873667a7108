#pragma once
// The sections of the installation log and the entries they hold, read from
// their comma-separated fields. An entry that does not read is reported with
// the reason, so that the removal can skip it and go on.

#include "platform/registry_store.h"
#include "platform/result.h"

#include <QString>

namespace ky::unsetup {

namespace section {
inline constexpr QStringView common = u"COMMON";
inline constexpr QStringView runApps = u"RUNAPPS";
inline constexpr QStringView sharedFiles = u"SHAREDFILES";
inline constexpr QStringView standardFiles = u"STDFILES";
inline constexpr QStringView fonts = u"FONTS";
inline constexpr QStringView appFiles = u"APPFILES";
inline constexpr QStringView appFolders = u"APPFOLDERS";
inline constexpr QStringView appDir = u"APPDIR";
inline constexpr QStringView registryKeys = u"REGENTRY";
inline constexpr QStringView registryValues = u"REGVALUES";
inline constexpr QStringView iniKeys = u"INIKEYS";
inline constexpr QStringView libraries = u"REGDLLS";
}  // namespace section

struct FontEntry {
    QString file;
    QString valueName;  // the font's value in the fonts registry key
};

struct RegistryKeyEntry {
    Hive hive;
    QString path;
};

struct RegistryValueEntry {
    Hive hive;
    QString path;
    QString name;
};

struct IniKeyEntry {
    QString file;
    QString section;
    QString key;
};

// RUNAPPS "BeforeUninstall": program, parameters, working folder, show-window
// code, a number nothing uses, no-wait flag.
struct ProgramEntry {
    QString program;
    QString parameters;
    QString workingFolder;
    bool noWait = false;
};

// Files and folders must be absolute: a relative path would be taken from
// whatever folder the program runs in.
Result<QString> readPathEntry(const QString& entry);
Result<FontEntry> readFontEntry(const QString& entry);
Result<RegistryKeyEntry> readRegistryKeyEntry(const QString& entry);
Result<RegistryValueEntry> readRegistryValueEntry(const QString& entry);
Result<IniKeyEntry> readIniKeyEntry(const QString& entry);
Result<ProgramEntry> readProgramEntry(const QString& value);

// "HKLM\Software\Vendor" as the failure list and messages show a key.
QString registryKeyText(Hive hive, const QString& path);

}  // namespace ky::unsetup
