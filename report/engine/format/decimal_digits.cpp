#include "report/engine/format/decimal_digits.h"

#include <cmath>

namespace ky {

namespace {

// The 15 significant digits the value prints with, and the power of ten of the first.
struct Printed {
    QString digits;
    int exponent = 0;
};

Printed printed(double magnitude) {
    const QString text = QString::number(magnitude, 'e', 14);  // d.dddddddddddddde+XX
    const qsizetype e = text.indexOf(u'e');
    Printed p;
    p.digits = text.left(1) + text.mid(2, e - 2);
    p.exponent = text.mid(e + 1).toInt();
    return p;
}

// Adds one to a digit string; true when a digit was carried out in front.
bool increment(QString& digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return false;
        }
        digits[i] = u'0';
    }
    digits.prepend(u'1');
    return true;
}

QString stripLeadingZeros(const QString& digits) {
    qsizetype i = 0;
    while (i < digits.size() && digits[i] == u'0') ++i;
    return digits.mid(i);
}

}  // namespace

bool DecimalDigits::isZero() const {
    for (QChar c : whole + fraction)
        if (c != u'0') return false;
    return true;
}

DecimalDigits fixedDigits(double value, int decimals) {
    DecimalDigits out;
    decimals = std::max(decimals, 0);
    if (!std::isfinite(value) || value == 0) {
        out.fraction = QString(decimals, u'0');
        return out;
    }
    out.negative = value < 0;
    const Printed p = printed(std::fabs(value));
    const int pointAt = p.exponent + 1;  // digits before the point
    QString whole, fraction;
    if (pointAt <= 0) {
        fraction = QString(-pointAt, u'0') + p.digits;
    } else if (pointAt >= p.digits.size()) {
        whole = p.digits + QString(pointAt - p.digits.size(), u'0');
    } else {
        whole = p.digits.left(pointAt);
        fraction = p.digits.mid(pointAt);
    }
    if (fraction.size() > decimals) {
        const bool up = fraction[decimals] >= u'5';
        fraction.truncate(decimals);
        if (up) {
            QString all = whole + fraction;
            const bool carried = increment(all);
            const qsizetype wholeSize = whole.size() + (carried ? 1 : 0);
            whole = all.left(wholeSize);
            fraction = all.mid(wholeSize);
        }
    }
    out.whole = stripLeadingZeros(whole);
    out.fraction = fraction + QString(decimals - fraction.size(), u'0');
    return out;
}

ScientificDigits scientificDigits(double value, int significant) {
    ScientificDigits out;
    significant = std::max(significant, 1);
    if (!std::isfinite(value) || value == 0) {
        out.digits = QString(significant, u'0');
        return out;
    }
    out.negative = value < 0;
    const Printed p = printed(std::fabs(value));
    out.exponent = p.exponent;
    QString digits = p.digits;
    if (digits.size() > significant) {
        const bool up = digits[significant] >= u'5';
        digits.truncate(significant);
        if (up && increment(digits)) {
            digits.chop(1);
            ++out.exponent;
        }
    }
    out.digits = digits + QString(significant - digits.size(), u'0');
    return out;
}

QString groupThousands(const QString& digits) {
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += u',';
        out += digits[i];
    }
    return out;
}

}  // namespace ky
