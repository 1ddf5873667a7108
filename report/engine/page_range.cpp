#include "report/engine/page_range.h"

#include "report/template/value_text.h"
#include "platform/saturating_int.h"

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

// Entries read the lenient way: "3 " is 3, "x" is 0.
int wholeNumber(QStringView text) {
    const double number = readNumber(text.trimmed());
    if (!std::isfinite(number)) return 0;
    return roundedInt(number);
}

}  // namespace

QStringList ParsePageRange(int total, const QString& text) {
    QStringList list;
    if (text.compare(QStringLiteral("all"), Qt::CaseInsensitive) == 0) {
        for (int page = 1; page <= total; ++page) list << QString::number(page);
        return list;
    }
    for (const QString& item : text.split(u',')) {
        const qsizetype dash = item.indexOf(u'-');
        if (dash < 0) {
            if (!item.trimmed().isEmpty()) list << item;  // "1-3," must not end the job after page 0
            continue;
        }
        const int from = wholeNumber(QStringView(item).first(dash));
        const int to = std::min(wholeNumber(QStringView(item).sliced(dash + 1)), total);
        for (int page = from; page <= to; ++page) list << QString::number(page);
    }
    return list;
}

bool PageInRange(const QStringList& list, int page) {
    return std::any_of(list.begin(), list.end(), [page](const QString& entry) { return wholeNumber(entry) == page; });
}

std::optional<int> LastPageInRange(const QStringList& list) {
    if (list.isEmpty()) return std::nullopt;
    return wholeNumber(list.last());
}

PageSet::PageSet(const QStringList& list) : last_(LastPageInRange(list)) {
    for (const QString& entry : list) sorted_.push_back(wholeNumber(entry));
    std::sort(sorted_.begin(), sorted_.end());
}

bool PageSet::contains(int page) const { return std::binary_search(sorted_.begin(), sorted_.end(), page); }

}  // namespace ky
