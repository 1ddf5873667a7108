#pragma once
// The registry: four hives of keys holding string and DWORD values, kept in
// a text file in the registry-export format ("Windows Registry Editor
// Version 5.00"). Key and value names are compared without regard to case
// and keep the case they were created with.

#include "platform/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace ky {

enum class Hive { ClassesRoot, CurrentUser, LocalMachine, Users };

// "HKEY_CLASSES_ROOT" and "HKCR" alike, without regard to case.
std::optional<Hive> hiveFromName(QStringView name);
QString hiveLongName(Hive hive);

struct RegistryValue {
    enum class Kind { String, Dword };
    Kind kind = Kind::String;
    QString text;
    std::uint32_t dword = 0;

    static RegistryValue string(QString text) { return {Kind::String, std::move(text), 0}; }
    static RegistryValue fromDword(std::uint32_t value) { return {Kind::Dword, {}, value}; }
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// The whole registry in memory. Key paths are backslash-separated below a
// hive ("Software\\kestrow\\kyprint"); the empty value name is the key's
// default value ("@" in the file).
class RegistryTree {
public:
    RegistryTree();
    ~RegistryTree();
    RegistryTree(const RegistryTree&);
    RegistryTree& operator=(const RegistryTree&);
    RegistryTree(RegistryTree&&) noexcept;
    RegistryTree& operator=(RegistryTree&&) noexcept;

    bool keyExists(Hive hive, const QString& path) const;
    // Creates the key and every missing key above it.
    void createKey(Hive hive, const QString& path);
    // Deletes the key with everything below it; false when it did not exist.
    bool deleteKey(Hive hive, const QString& path);
    QStringList subkeys(Hive hive, const QString& path) const;

    std::optional<RegistryValue> value(Hive hive, const QString& path, const QString& name) const;
    // Creates the key when missing.
    void setValue(Hive hive, const QString& path, const QString& name, RegistryValue value);
    bool deleteValue(Hive hive, const QString& path, const QString& name);
    QStringList valueNames(Hive hive, const QString& path) const;

    QByteArray toRegText() const;
    // Reads the export format, UTF-8 or UTF-16 with a byte-order mark.
    // Errors name the line.
    static Result<RegistryTree> fromRegText(QByteArrayView bytes);

private:
    struct Data;
    std::unique_ptr<Data> d;
};

// A registry file shared between processes: reads see a whole file, and
// updates are made under an advisory lock and written atomically.
class RegistryStore {
public:
    // Updates take milliseconds; a lock held this long belongs to a stuck or
    // crashed writer, and the caller is better served by an error than a hang.
    static constexpr int kLockTimeoutMs = 5000;

    explicit RegistryStore(QString path, int lockTimeoutMs = kLockTimeoutMs)
        : path_(std::move(path)), lockTimeoutMs_(lockTimeoutMs) {}

    // KY_REGISTRY when set, otherwise a per-user file.
    static QString defaultPath();

    const QString& path() const { return path_; }
    // A missing file reads as an empty registry.
    Result<RegistryTree> read() const;
    // Locks, reads the current file, applies the change and writes it back.
    Status update(const std::function<void(RegistryTree&)>& change);

private:
    QString path_;
    int lockTimeoutMs_;
};

}  // namespace ky
