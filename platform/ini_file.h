#pragma once
// INI files with the semantics of the Windows profile functions: sections
// and keys are found without regard to case, a value is replaced in place,
// a missing key or section is appended, other lines are kept as they are.

#include "platform/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

namespace ky {

class IniFile {
public:
    // UTF-8, or UTF-16 with a byte-order mark; lines end in CR LF or LF.
    static IniFile parse(QByteArrayView bytes);
    // A missing file reads as an empty one.
    static Result<IniFile> load(const QString& path);

    // The value trimmed of blanks, with one pair of enclosing quotes removed;
    // `fallback` when the section or key is missing.
    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    bool contains(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    bool removeKey(const QString& section, const QString& key);
    bool removeSection(const QString& section);
    QStringList sections() const;
    QStringList keys(const QString& section) const;

    // Lines joined with CR LF, UTF-8.
    QByteArray toText() const;
    // Writes atomically.
    Status save(const QString& path) const;

private:
    std::vector<QString> lines_;
};

// One-call reads and writes of a single key, like the profile functions.
QString readProfileString(const QString& path, const QString& section, const QString& key, const QString& fallback = {});
Status writeProfileString(const QString& path, const QString& section, const QString& key, const QString& value);

}  // namespace ky
