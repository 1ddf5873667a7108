#include "report/engine/format/pattern_chars.h"

namespace ky {

PatternChars readPatternChars(QStringView section) {
    PatternChars out;
    out.reserve(section.size());
    bool quoted = false;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (quoted) {
            out.append({c, true});
        } else if (c == u'\\') {
            if (i + 1 < section.size()) out.append({section[++i], true});
        } else {
            out.append({c, false});
        }
    }
    return out;
}

QStringList splitSections(QStringView pattern) {
    QStringList sections;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u';' && !quoted) {
            sections.append(current);
            current.clear();
            continue;
        }
        current += c;
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u'\\' && !quoted && i + 1 < pattern.size()) {
            current += pattern[++i];
        }
    }
    sections.append(current);
    return sections;
}

bool hasPlaceholder(const PatternChars& chars, QStringView set) {
    for (const PatternChar& p : chars)
        if (!p.literal && set.contains(p.c, Qt::CaseInsensitive)) return true;
    return false;
}

}  // namespace ky
