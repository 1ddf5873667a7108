#pragma once
// A number as the decimal digits it prints with (15 significant digits),
// rounded half away from zero, which is how number patterns and the
// FormatNumber family show values.

#include <QString>

namespace ky {

struct DecimalDigits {
    bool negative = false;  // the sign of the value, even when the digits round to zero
    QString whole;          // no leading zeros; "" for a zero whole part
    QString fraction;       // exactly the requested number of digits

    bool isZero() const;
};

// `decimals` digits after the point. Non-finite values give zero digits.
DecimalDigits fixedDigits(double value, int decimals);

// The value as mantissa digits and a power of ten: value = 0.d1d2... × 10^(exponent + 1),
// i.e. the first digit stands at 10^exponent. `significant` digits, rounded half
// away from zero; zero gives all zeros and exponent 0.
struct ScientificDigits {
    bool negative = false;
    QString digits;
    int exponent = 0;
};
ScientificDigits scientificDigits(double value, int significant);

// Inserts "," between groups of three digits: "1234567" -> "1,234,567".
QString groupThousands(const QString& digits);

}  // namespace ky
