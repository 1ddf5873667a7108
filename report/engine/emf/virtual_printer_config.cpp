#include "report/engine/emf/virtual_printer_config.h"

#include "platform/ini_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace ky {

namespace {

const QString kAutoSave = QStringLiteral("AutoSave");
const QString kOptions = QStringLiteral("AutoSaveOptions");
const QString kDefaultSuffix = QStringLiteral("%04d");
constexpr int kLowestDpi = 72, kHighestDpi = 2400;

// "600x600", or one number for both; anything else keeps 600 dots per inch.
QSize resolutionOf(const QString& text) {
    const QStringList parts = text.split(u'x', Qt::KeepEmptyParts, Qt::CaseInsensitive);
    bool okX = false, okY = false;
    const int x = parts.value(0).trimmed().toInt(&okX);
    const int y = parts.size() > 1 ? parts.value(1).trimmed().toInt(&okY) : (okY = okX, x);
    if (parts.size() > 2 || !okX || !okY) return {600, 600};
    return {std::clamp(x, kLowestDpi, kHighestDpi), std::clamp(y, kLowestDpi, kHighestDpi)};
}

int colorDepthOf(const QString& text) {
    const int bits = text.trimmed().toInt();
    return bits == 1 || bits == 8 ? bits : 24;
}

QString defaultOutputFolder() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

IniFile defaultIni() {
    IniFile ini;
    ini.setValue(kAutoSave, QStringLiteral("OutputFile"), QDir(defaultOutputFolder()).filePath(QStringLiteral("kyprint.emf")));
    ini.setValue(kOptions, QStringLiteral("m_bCreateFileForEachPage"), QStringLiteral("1"));
    ini.setValue(kOptions, QStringLiteral("m_strColorDepth"), QStringLiteral("24"));
    ini.setValue(kOptions, QStringLiteral("m_strResolution"), QStringLiteral("600x600"));
    ini.setValue(kOptions, QStringLiteral("m_bGrayscale"), QStringLiteral("0"));
    ini.setValue(kOptions, QStringLiteral("AddFileNameSuffix"), kDefaultSuffix);
    return ini;
}

Status writeDefaultIni(const QString& path) {
    // The default output folder is made too, so the first job has somewhere to write.
    for (const QString& folder : {QFileInfo(path).absolutePath(), defaultOutputFolder()})
        if (!QDir().mkpath(folder)) return fail(QStringLiteral("cannot create the folder %1").arg(folder));
    return defaultIni().save(path);
}

// A Windows drive path names no place here: "C:\" (where the report object
// sets the printer back after its outputs) or a configuration made on
// Windows lands in the default output folder, the part after the drive kept.
QString localOutputFile(const QString& configured) {
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]*"));
    const QRegularExpressionMatch match = drive.match(configured);
    if (!match.hasMatch()) return configured;
    QString rest = configured.mid(match.capturedLength());
    rest.replace(u'\\', u'/');
    return defaultOutputFolder() + u'/' + rest;
}

}  // namespace

Result<VirtualPrinterConfig> parseVirtualPrinterConfig(const QString& iniPath) {
    const Result<IniFile> loaded = IniFile::load(iniPath);
    if (!loaded) return fail(loaded.error());
    const IniFile& ini = loaded.value();
    Result<PageNumberSuffix> suffix = PageNumberSuffix::parse(ini.value(kOptions, QStringLiteral("AddFileNameSuffix"), kDefaultSuffix));
    if (!suffix) return fail(suffix.error() + QStringLiteral(" (in %1)").arg(iniPath));
    VirtualPrinterConfig config{localOutputFile(ini.value(kAutoSave, QStringLiteral("OutputFile"))),
                                ini.value(kOptions, QStringLiteral("m_bCreateFileForEachPage"), QStringLiteral("1")) != u"0"_qs,
                                resolutionOf(ini.value(kOptions, QStringLiteral("m_strResolution"))),
                                {ini.value(kOptions, QStringLiteral("m_bGrayscale")).trimmed() == u"1"_qs,
                                 colorDepthOf(ini.value(kOptions, QStringLiteral("m_strColorDepth")))},
                                std::move(suffix).value()};
    return config;
}

Result<VirtualPrinterConfig> readVirtualPrinterConfig(const RegistryStore& registry) {
    const Result<RegistryTree> tree = registry.read();
    if (!tree) return fail(tree.error());
    const auto value = tree->value(kVirtualPrinterHive, kVirtualPrinterKey, kVirtualPrinterConfigValue);
    if (!value || value->kind != RegistryValue::Kind::String || value->text.isEmpty())
        return fail(QStringLiteral("the virtual printer is not set up: HKEY_LOCAL_MACHINE\\%1 has no \"%2\" (run kyreport kyprint-setup)")
                        .arg(kVirtualPrinterKey, kVirtualPrinterConfigValue));
    if (!QFileInfo::exists(value->text))
        return fail(QStringLiteral("the virtual printer's configuration file %1 does not exist").arg(value->text));
    return parseVirtualPrinterConfig(value->text);
}

QString defaultConfigurationPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("kyreport/kyprint.ini"));
}

Result<QString> ensureDefaultConfiguration(RegistryStore& registry, const QString& defaultIniPath) {
    // Every job comes here: a configured machine only reads the registry.
    if (const Result<RegistryTree> tree = registry.read(); tree) {
        const auto value = tree->value(kVirtualPrinterHive, kVirtualPrinterKey, kVirtualPrinterConfigValue);
        if (value && value->kind == RegistryValue::Kind::String && QFileInfo::exists(value->text)) return value->text;
    }
    QString path;
    const Status updated = registry.update([&](RegistryTree& tree) {
        const auto value = tree.value(kVirtualPrinterHive, kVirtualPrinterKey, kVirtualPrinterConfigValue);
        if (value && value->kind == RegistryValue::Kind::String && !value->text.isEmpty()) {
            path = value->text;
            return;
        }
        path = defaultIniPath;
        tree.setValue(kVirtualPrinterHive, kVirtualPrinterKey, kVirtualPrinterConfigValue, RegistryValue::string(path));
    });
    if (!updated) return fail(updated.error());
    if (!QFileInfo::exists(path))
        if (const Status written = writeDefaultIni(path); !written) return fail(written.error());
    return path;
}

}  // namespace ky
