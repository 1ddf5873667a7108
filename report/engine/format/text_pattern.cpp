#include "report/engine/format/text_pattern.h"

#include <algorithm>

namespace ky {

namespace {

bool isPlaceholder(const PatternChar& p) {
    return !p.literal && (p.c == u'@' || p.c == u'&');
}

}  // namespace

QString formatTextSection(const QString& text, const PatternChars& section) {
    PatternChars items;
    bool leftToRight = false;
    QString source = text;
    for (const PatternChar& p : section) {
        if (!p.literal && p.c == u'<') {
            source = source.toLower();
        } else if (!p.literal && p.c == u'>') {
            source = source.toUpper();
        } else if (!p.literal && p.c == u'!') {
            leftToRight = true;
        } else {
            items.append(p);
        }
    }
    const auto placeholders = std::count_if(items.begin(), items.end(), isPlaceholder);
    if (placeholders == 0) return source + [&] {
        QString literals;
        for (const PatternChar& p : items) literals += p.c;
        return literals;
    }();

    // Characters beyond the placeholders stand with the first (right to left)
    // or the last (left to right) placeholder.
    const qsizetype surplus = std::max<qsizetype>(source.size() - placeholders, 0);
    QString out;
    if (leftToRight) {
        qsizetype next = 0, seen = 0;
        for (const PatternChar& p : items) {
            if (!isPlaceholder(p)) {
                out += p.c;
                continue;
            }
            ++seen;
            const qsizetype take = seen == placeholders ? 1 + surplus : 1;
            if (next < source.size()) {
                out += source.mid(next, take);
                next += take;
            } else if (p.c == u'@') {
                out += u' ';
            }
        }
        return out;
    }
    // Built backwards and turned round at the end: no quadratic prepending.
    QString reversed;
    qsizetype next = source.size();
    qsizetype seen = 0;
    for (qsizetype i = items.size() - 1; i >= 0; --i) {
        const PatternChar& p = items[i];
        if (!isPlaceholder(p)) {
            reversed += p.c;
            continue;
        }
        ++seen;
        const qsizetype take = seen == placeholders ? next : 1;
        if (next > 0) {
            const qsizetype from = std::max<qsizetype>(next - take, 0);
            for (qsizetype k = next - 1; k >= from; --k) reversed += source[k];
            next = from;
        } else if (p.c == u'@') {
            reversed += u' ';
        }
    }
    std::reverse(reversed.begin(), reversed.end());
    out = reversed;
    return out;
}

}  // namespace ky
