#pragma once
// A small installation in a temporary folder: files, folders, an INI file, a
// registry store named by KY_REGISTRY, and the Setup.log that lists them.

#include "unsetup/log_entries.h"
#include "unsetup/removal_actions.h"

#include "platform/registry_store.h"

#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ky::unsetup::testing_support {

class Installation {
public:
    Installation() : registry_(root_.filePath(QStringLiteral("registry.reg"))) {
        qputenv("KY_REGISTRY", QFile::encodeName(registry_.path()));
    }
    ~Installation() { qunsetenv("KY_REGISTRY"); }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    // The installation folder, where Setup.log lies.
    QString folder() const { return root_.path() + QStringLiteral("/app/"); }
    QString path(const char* relative) const { return root_.filePath(str(relative)); }
    RegistryStore& registry() { return registry_; }

    QString addFile(const char* relative, const QByteArray& content = "data") const {
        const QString file = path(relative);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly)) << file.toStdString();
        out.write(content);
        return file;
    }
    QString addFolder(const char* relative) const {
        QDir().mkpath(path(relative));
        return path(relative);
    }
    bool exists(const char* relative) const { return QFileInfo::exists(path(relative)); }

    void setRegistry(Hive hive, const QString& key, const QString& name, RegistryValue value) {
        ASSERT_TRUE(registry_.update([&](RegistryTree& tree) { tree.setValue(hive, key, name, value); }));
    }
    void setSharedCounter(const QString& file, std::uint32_t count) {
        setRegistry(Hive::LocalMachine, kSharedCountersKey, file, RegistryValue::fromDword(count));
    }
    RegistryTree registryNow() const {
        auto tree = registry_.read();
        EXPECT_TRUE(tree) << tree.error().toStdString();
        return tree ? std::move(tree).value() : RegistryTree{};
    }
    std::optional<std::uint32_t> sharedCounter(const QString& file) const {
        const auto value = registryNow().value(Hive::LocalMachine, kSharedCountersKey, file);
        return value ? std::optional<std::uint32_t>(value->dword) : std::nullopt;
    }

    // `text` uses LF and "@" for the temporary root folder.
    void writeLog(const char* text, bool complement = false) const {
        QByteArray bytes = crlf(text).replace("@", QFile::encodeName(root_.path()));
        if (complement) bytes = complemented(bytes);
        QDir().mkpath(folder());
        QFile out(folder() + QStringLiteral("Setup.log"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

private:
    QTemporaryDir root_;
    RegistryStore registry_;
};

}  // namespace ky::unsetup::testing_support
