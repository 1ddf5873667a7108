#pragma once
// The installation log "Setup.log": INI-shaped lines that name everything an
// installation put on the machine. A log whose first byte is not "[" is
// stored complemented (every byte inverted). Lines of two characters or fewer
// and lines starting with ";" carry nothing and are dropped when reading.

#include "platform/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace ky::unsetup {

inline constexpr QStringView kSetupLogName = u"Setup.log";

class SetupLog {
public:
    // Never fails: every byte sequence reads as some log.
    static SetupLog parse(QByteArrayView bytes);
    // Fails only when the file cannot be read or is too large for a log.
    static Result<SetupLog> load(const QString& path);

    // Entries are the lines after the "[section]" header up to the next
    // header; the section name is compared with regard to case.
    int entryCount(QStringView section) const;
    // Entry `index` (0-based) of the section, or an empty text.
    QString entry(QStringView section, int index) const;
    // The text after the first "=" of the section's first entry whose text
    // before that "=" is exactly `key`.
    QString value(QStringView section, QStringView key, const QString& fallback = {}) const;
    // True when the value starts with "Y", "y", "T", "t" or "1".
    bool boolValue(QStringView section, QStringView key, bool fallback = false) const;
    // The leading decimal integer of the value; 0 when there is none.
    int intValue(QStringView section, QStringView key, int fallback = 0) const;
    // Replaces the value in place, or appends the entry (and the section).
    void setValue(QStringView section, QStringView key, const QString& value);

    // Lines joined with CR LF, UTF-8; complemented when asked. Plain text
    // whose first line is not a section header would read as complemented.
    QByteArray toBytes(bool complemented = false) const;

private:
    struct Range {
        qsizetype first = 0;  // first entry line
        qsizetype end = 0;    // one past the last entry line
    };
    std::optional<Range> sectionRange(QStringView section) const;
    std::optional<qsizetype> findKey(QStringView section, QStringView key) const;

    std::vector<QString> lines_;
};

// The "Setup.log" in `folder`.
Result<SetupLog> loadSetupLogIn(const QString& folder);

}  // namespace ky::unsetup
