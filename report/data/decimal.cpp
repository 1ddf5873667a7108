#include "report/data/decimal.h"

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

__extension__ typedef unsigned __int128 Wide;
constexpr Wide kMax96 = (Wide{1} << 96) - 1;
constexpr int kPrecision = 28;  // significant digits kept when reading text

Wide pow10(int n) {
    Wide p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// Divides by 10^n rounding half to even.
Wide divideRounded(Wide value, int n) {
    if (n <= 0) return value;
    if (n > 38) return 0;
    const Wide divisor = pow10(n);
    const Wide quotient = value / divisor;
    const Wide remainder = value % divisor;
    const Wide half = divisor / 2;
    if (remainder > half || (remainder == half && (quotient & 1))) return quotient + 1;
    return quotient;
}

}  // namespace

Decimal Decimal::fromInt(std::int64_t value) {
    Decimal d;
    const bool negative = value < 0;
    const Wide magnitude = negative ? Wide(-(value + 1)) + 1 : Wide(value);
    d.lo_ = static_cast<std::uint64_t>(magnitude);
    d.negative_ = negative;
    return d;
}

std::optional<Decimal> Decimal::make(Wide mantissa, int scale, bool negative) {
    // Bring the scale into range, and the mantissa into 96 bits, by dropping
    // digits in one step: rounding digit by digit would round twice (149 -> 15 -> 2).
    int drop = std::max(0, scale - maxScale);
    while (drop < scale && divideRounded(mantissa, drop) > kMax96) ++drop;
    mantissa = divideRounded(mantissa, drop);
    scale -= drop;
    if (mantissa > kMax96 || scale < 0) return std::nullopt;
    Decimal d;
    d.lo_ = static_cast<std::uint64_t>(mantissa);
    d.hi_ = static_cast<std::uint32_t>(mantissa >> 64);
    d.scale_ = static_cast<std::uint8_t>(scale);
    d.negative_ = negative;
    return d;
}

std::optional<Decimal> Decimal::parse(QStringView text) {
    text = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    Wide mantissa = 0;
    int scale = 0;
    int dropped = 0;  // integer digits that did not fit, each a power of ten
    int digits = 0;
    int kept = 0;  // significant digits in the mantissa
    bool seenPoint = false;
    int firstDropped = -1;  // the first digit past the precision
    bool laterNonZero = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c.unicode() < u'0' || c.unicode() > u'9') break;
        const int digit = c.unicode() - u'0';
        ++digits;
        if (kept < kPrecision) {
            if (mantissa != 0 || digit != 0) ++kept;  // leading zeros are not significant
            mantissa = mantissa * 10 + digit;
            if (seenPoint) ++scale;
        } else {
            // Past the precision: remember how to round, count lost integer places.
            if (firstDropped < 0)
                firstDropped = digit;
            else if (digit != 0)
                laterNonZero = true;
            if (!seenPoint) ++dropped;
        }
    }
    if (digits == 0) return std::nullopt;
    if (firstDropped > 5 || (firstDropped == 5 && (laterNonZero || (mantissa & 1)))) ++mantissa;
    long exponent = 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negativeExponent = text[i++] == u'-';
        const qsizetype start = i;
        for (; i < text.size() && text[i].unicode() >= u'0' && text[i].unicode() <= u'9'; ++i)
            if (exponent < 10000) exponent = exponent * 10 + (text[i].unicode() - u'0');
        if (i == start) return std::nullopt;
        if (negativeExponent) exponent = -exponent;
    }
    if (i != text.size()) return std::nullopt;
    exponent += dropped;
    long finalScale = scale - exponent;
    if (mantissa == 0) return make(0, 0, negative);
    while (finalScale < 0) {
        if (mantissa > kMax96 / 10) return std::nullopt;
        mantissa *= 10;
        ++finalScale;
    }
    if (finalScale > 60) return make(0, 0, negative);
    return make(mantissa, static_cast<int>(finalScale), negative);
}

std::optional<Decimal> Decimal::fromDouble(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return parse(QString::number(value, 'g', 15));
}

double Decimal::toDouble() const {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
                                         1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19,
                                         1e20, 1e21, 1e22, 1e23, 1e24, 1e25, 1e26, 1e27, 1e28};
    // A table instead of pow(): this runs once for every number of the report data.
    const double magnitude = static_cast<double>(mantissa()) / kPowers[scale_];
    return negative_ ? -magnitude : magnitude;
}

QString Decimal::toString() const {
    Wide m = mantissa();
    int scale = scale_;
    while (scale > 0 && m % 10 == 0) {
        m /= 10;
        --scale;
    }
    QString digits;
    do {
        digits.prepend(QChar(u'0' + static_cast<int>(m % 10)));
        m /= 10;
    } while (m != 0);
    if (scale > 0) {
        if (digits.size() <= scale) digits.prepend(QString(scale - digits.size() + 1, u'0'));
        digits.insert(digits.size() - scale, u'.');
    }
    if (isNegative()) digits.prepend(u'-');
    return digits;
}

int Decimal::compare(const Decimal& a, const Decimal& b) {
    const bool aNeg = a.isNegative(), bNeg = b.isNegative();
    if (aNeg != bNeg) return aNeg ? -1 : 1;
    // Align scales; a 96-bit mantissa times 10^28 does not fit 128 bits, so
    // compare integer parts first.
    const Wide aInt = a.mantissa() / pow10(a.scale_), bInt = b.mantissa() / pow10(b.scale_);
    int magnitude = 0;
    if (aInt != bInt) {
        magnitude = aInt < bInt ? -1 : 1;
    } else {
        Wide aFrac = a.mantissa() % pow10(a.scale_), bFrac = b.mantissa() % pow10(b.scale_);
        // Both fractions are below 10^28; scale each to 28 places in two steps.
        int aScale = a.scale_, bScale = b.scale_;
        while (aScale < bScale) { aFrac *= 10; ++aScale; }
        while (bScale < aScale) { bFrac *= 10; ++bScale; }
        magnitude = aFrac == bFrac ? 0 : (aFrac < bFrac ? -1 : 1);
    }
    return aNeg ? -magnitude : magnitude;
}

}  // namespace ky
