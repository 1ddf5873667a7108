#pragma once
// Numbers written the way FormatNumber, FormatCurrency, FormatPercent and the
// named formats "Fixed", "Standard", "Currency" and "Percent" write them.

#include <QString>

namespace ky {

struct NumberStyle {
    int decimals = 2;
    bool leadingDigit = true;       // "0.5" rather than ".5"
    bool parensForNegative = false;  // "(1.00)" rather than "-1.00"
    bool groupDigits = true;         // "1,234.00"
    QString prefix;                  // "¥" for currency, after the minus sign
    QString suffix;                  // "%" for percentages
};

// A value that rounds to zero is written without a minus sign.
QString formatStyledNumber(double value, const NumberStyle& style);

}  // namespace ky
