#pragma once
// The configuration of the virtual printer "kestrow printer": the registry
// value HKEY_LOCAL_MACHINE\SOFTWARE\kestrow\kyprint "ConfigFile" names an
// INI file whose "AutoSave" and "AutoSaveOptions" sections say where the
// page files go and how they look. Hosts write that file before each job,
// so it is read when a job starts.

#include "platform/registry_store.h"
#include "report/engine/emf/device_colors.h"
#include "report/engine/emf/page_number_suffix.h"

#include <QSize>
#include <QString>

namespace ky {

inline constexpr Hive kVirtualPrinterHive = Hive::LocalMachine;
inline const QString kVirtualPrinterKey = QStringLiteral("SOFTWARE\\kestrow\\kyprint");
inline const QString kVirtualPrinterConfigValue = QStringLiteral("ConfigFile");

struct VirtualPrinterConfig {
    QString outputFile;  // the page base name
    // "0" is read but changes nothing: an EMF file holds one page, so every
    // page gets its own file either way.
    bool filePerPage = true;
    QSize dpi{600, 600};
    ColorOptions colors;
    PageNumberSuffix suffix;
};

// The configuration the registry points to. Missing keys take the values a
// fresh installation writes; a missing registry value, an unreadable file or
// a suffix that is no page-number pattern are errors.
Result<VirtualPrinterConfig> readVirtualPrinterConfig(const RegistryStore& registry);
Result<VirtualPrinterConfig> parseVirtualPrinterConfig(const QString& iniPath);

// Makes sure the registry value names a configuration file that exists:
// when the value is missing, writes the default file at `defaultIniPath` and
// points the value at it; when the file is missing, writes the defaults there.
// Gives the configuration file's path.
Result<QString> ensureDefaultConfiguration(RegistryStore& registry, const QString& defaultIniPath);
// ~/.config/kyreport/kyprint.ini, or under XDG_CONFIG_HOME when set.
QString defaultConfigurationPath();

}  // namespace ky
