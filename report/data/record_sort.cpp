#include "report/data/record_sort.h"

#include <QList>

namespace ky {

Result<std::vector<SortKey>> parseSort(QStringView text) {
    std::vector<SortKey> keys;
    if (text.trimmed().isEmpty()) return keys;
    auto error = [&](const QString& what) {
        return fail(QStringLiteral("invalid sort order \"%1\": %2").arg(text.toString(), what));
    };
    for (QStringView part : text.split(u',')) {
        part = part.trimmed();
        SortKey key;
        const qsizetype lastBlank = part.lastIndexOf(u' ');
        if (lastBlank > 0) {
            const QStringView word = part.sliced(lastBlank + 1);
            const bool asc = word.compare(u"asc", Qt::CaseInsensitive) == 0;
            const bool desc = word.compare(u"desc", Qt::CaseInsensitive) == 0;
            if (asc || desc) {
                key.descending = desc;
                part = part.first(lastBlank).trimmed();
            }
        }
        if (part.startsWith(u'[')) {
            if (!part.endsWith(u']') || part.size() < 3) return error(QStringLiteral("unclosed [ in \"%1\"").arg(part.toString()));
            part = part.sliced(1, part.size() - 2);
        }
        if (part.isEmpty()) return error(QStringLiteral("a field name is missing"));
        key.field = part.toString();
        keys.push_back(std::move(key));
    }
    return keys;
}

}  // namespace ky
