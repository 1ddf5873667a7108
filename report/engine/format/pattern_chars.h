#pragma once
// The characters of a format pattern with quoting resolved: text in double
// quotation marks and a character after "\" are literals; everything else may
// be a placeholder. Also splits a pattern into its ";" sections.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace ky {

struct PatternChar {
    QChar c;
    bool literal = false;  // quoted or escaped: never a placeholder
};

using PatternChars = QList<PatternChar>;

PatternChars readPatternChars(QStringView section);

// ";" inside quotes or after "\" does not split.
QStringList splitSections(QStringView pattern);

// True when the pattern has an unquoted character of `set` (case-insensitive).
bool hasPlaceholder(const PatternChars& chars, QStringView set);

}  // namespace ky
