#pragma once
// A private registry and configuration folder for virtual-printer tests:
// KY_REGISTRY, HOME and XDG_CONFIG_HOME point into a temporary folder while
// the fixture lives.

#include "platform/ini_file.h"
#include "report/engine/emf/virtual_printer_config.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ky::test {

class VirtualPrinterFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"KY_REGISTRY", "HOME", "XDG_CONFIG_HOME"}) saved_.push_back({name, qgetenv(name)});
        qputenv("KY_REGISTRY", QFile::encodeName(path(QStringLiteral("registry.reg"))));
        qputenv("HOME", QFile::encodeName(path(QStringLiteral("home"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(QStringLiteral("config"))));
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    RegistryStore registry() const { return RegistryStore(RegistryStore::defaultPath()); }

    // Points the registry at an INI file holding these AutoSaveOptions, the page base `outputFile`.
    void configure(const QString& outputFile, const std::vector<std::pair<QString, QString>>& options) {
        const QString ini = path(QStringLiteral("kyprint.ini"));
        ASSERT_TRUE(writeProfileString(ini, QStringLiteral("AutoSave"), QStringLiteral("OutputFile"), outputFile));
        for (const auto& [key, value] : options)
            ASSERT_TRUE(writeProfileString(ini, QStringLiteral("AutoSaveOptions"), key, value));
        RegistryStore store = registry();
        ASSERT_TRUE(store.update([&](RegistryTree& tree) {
            tree.setValue(kVirtualPrinterHive, kVirtualPrinterKey, kVirtualPrinterConfigValue, RegistryValue::string(ini));
        }));
    }

    QTemporaryDir dir_;
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

}  // namespace ky::test
