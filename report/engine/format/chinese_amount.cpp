#include "report/engine/format/chinese_amount.h"

#include "report/data/value.h"

#include <cmath>

namespace ky {

namespace {

constexpr QStringView kDigits = u"零壹贰叁肆伍陆柒捌玖";
constexpr QStringView kPlaces = u"仟佰拾元";  // the last stands for the units place
constexpr QChar kZero = u'零';
constexpr double kLargestWhole = 999999999999.0;  // twelve digits: 9999亿9999万9999

QChar capital(QChar digit) {
    return kDigits[digit.unicode() - u'0'];
}

// One group of four digits with its suffix ("亿", "万" or "元").
QString groupText(QStringView four, const QString& suffix, bool zeroLead) {
    const QString n = QString::number(four.toInt());
    QString body;
    for (qsizetype k = 0; k < n.size(); ++k) {
        const QChar d = n[n.size() - 1 - k];
        if (d != u'0') {
            body.prepend(QString(capital(d)) + kPlaces[3 - k]);
        } else if (!body.startsWith(kZero)) {
            body.prepend(kZero);
        }
    }
    body.chop(1);
    if (body.endsWith(kZero)) body.chop(1);
    QString g;
    if (!body.isEmpty()) {
        g = (zeroLead && n.size() <= 3 ? QString(kZero) : QString()) + body + suffix;
    } else if (suffix == QStringLiteral("元")) {
        g = suffix;
    }
    if (n.size() > 1 && n.endsWith(u'0')) g += kZero;
    return g;
}

QString wholeText(const QString& twelve) {
    QString r = groupText(QStringView(twelve).mid(0, 4), QStringLiteral("亿"), false);
    const QString suffixes[] = {QStringLiteral("万"), QStringLiteral("元")};
    for (int g = 1; g <= 2; ++g) {
        const QStringView digits = QStringView(twelve).mid(g * 4, 4);
        const QString& suffix = suffixes[g - 1];
        if (r.isEmpty()) {
            r = groupText(digits, suffix, false);
        } else {
            r += groupText(digits, suffix, true);
            if (digits == u"0000") r += kZero;
        }
    }
    return r == QStringLiteral("元") ? QString() : r;
}

QString fractionText(QChar jiao, QChar fen, bool wholeIsZero) {
    if (jiao != u'0' && fen == u'0') return QString(capital(jiao)) + QStringLiteral("角整");
    if (jiao == u'0') return (wholeIsZero ? QString() : QString(kZero)) + capital(fen) + u'分';
    return QString(capital(jiao)) + u'角' + capital(fen) + u'分';
}

// Drops a "零" (not the first character) that stands before "元", "零" or "整".
QString withoutIdleZeros(QString text) {
    for (;;) {
        qsizetype at = -1;
        for (qsizetype i = 1; i + 1 < text.size(); ++i) {
            const QChar next = text[i + 1];
            if (text[i] == kZero && (next == u'元' || next == kZero || next == u'整')) {
                at = i;
                break;
            }
        }
        if (at < 0) return text;
        text.remove(at, 1);
    }
}

}  // namespace

QString ChineseAmount(double amount) {
    if (!std::isfinite(amount) || std::fabs(amount) > kLargestWhole) return Value(amount).toText();
    if (amount < 0) {
        const QString magnitude = ChineseAmount(-amount);
        return magnitude == QString(kZero) ? magnitude : QStringLiteral("负") + magnitude;
    }
    const double whole = std::floor(amount);
    const auto cents = static_cast<long long>(std::floor(amount * 100 + 0.5)) % 100;
    const QString twelve = QStringLiteral("%1").arg(static_cast<long long>(whole), 12, 10, QLatin1Char('0'));
    const QString fen = QStringLiteral("%1").arg(cents, 2, 10, QLatin1Char('0'));
    const bool wholeIsZero = whole == 0;

    QString r = wholeText(twelve);
    if (fen == QStringLiteral("00")) {
        r = wholeIsZero ? QString(kZero) : r + u'整';
    } else {
        r += fractionText(fen[0], fen[1], wholeIsZero);
    }
    return withoutIdleZeros(r);
}

}  // namespace ky
