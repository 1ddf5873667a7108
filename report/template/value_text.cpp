#include "report/template/value_text.h"

#include "report/data/decimal.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ky {

QString writeDecimal(double value) {
    if (std::isnan(value)) return QStringLiteral("0");
    // Beyond single precision the value saturates, so that it reads back as written.
    const double limit = std::numeric_limits<float>::max();
    const float single = static_cast<float>(std::clamp(value, -limit, limit));
    if (single == 0) return QStringLiteral("0");
    // Seven significant digits is what single precision holds.
    const auto decimal = Decimal::parse(QString::number(single, 'g', 7));
    return decimal ? decimal->toString() : QString::number(single, 'f', 0);
}

double readNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    const qsizetype start = i;
    auto digitAt = [&](qsizetype at) { return at < text.size() && text[at] >= u'0' && text[at] <= u'9'; };
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
    bool digits = false;
    while (digitAt(i)) ++i, digits = true;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (digitAt(i)) ++i, digits = true;
    }
    if (!digits) return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype e = i + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-')) ++e;
        if (digitAt(e)) {
            while (digitAt(e)) ++e;
            i = e;
        }
    }
    bool ok = false;
    const double value = text.sliced(start, i - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

QString writeFlag(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

std::optional<bool> readFlag(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.compare(u"true", Qt::CaseInsensitive) == 0) return true;
    if (t.compare(u"false", Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (ok) return number != 0;
    return std::nullopt;
}

QString captionForWriting(QString caption) {
    caption.replace(QStringLiteral("  "), QString(QChar(0x3000)));
    return caption;
}

}  // namespace ky
