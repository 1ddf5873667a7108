#include "report/data/round_half_even.h"

#include "report/data/decimal.h"

#include <QString>

#include <cmath>

namespace ky {

namespace {

// Adds one to the last digit of a digit string, carrying to the left.
QString incremented(QString digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = u'0';
    }
    return u'1' + digits;
}

}  // namespace

double RoundHalfEven(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    if (decimals < 0) decimals = 0;
    // The value as it prints: 15 significant digits, in plain notation.
    const auto exact = Decimal::parse(QString::number(value, 'g', 15));
    if (!exact) return value;  // beyond the decimal range: no fraction left to round
    QString text = exact->toString();
    const bool negative = text.startsWith(u'-');
    if (negative) text.remove(0, 1);
    const qsizetype point = text.indexOf(u'.');
    const QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    if (fraction.size() <= decimals) return value;  // nothing beyond the kept places

    const int first = fraction[decimals].unicode() - u'0';
    const bool furtherDigits = fraction.size() > decimals + 1;  // toString trims zeros: these are non-zero
    QString kept = whole + fraction.left(decimals);
    bool up = first >= 6 || (first == 5 && furtherDigits);
    if (first == 5 && !furtherDigits) up = (kept.back().unicode() - u'0') % 2 == 1;  // a tie: to the even digit
    if (up) kept = incremented(kept);
    if (decimals > 0) kept.insert(kept.size() - decimals, u'.');
    const double magnitude = kept.toDouble();
    return negative && magnitude != 0 ? -magnitude : magnitude;  // no "-0"
}

}  // namespace ky
