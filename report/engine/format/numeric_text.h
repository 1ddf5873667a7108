#pragma once
// Which texts count as numbers, the way the scripting language's IsNumeric and
// CDbl read them: blanks around, a sign, digits with "," between digit groups,
// a point, an exponent, or "&H" hexadecimal and "&O" octal.

#include "report/data/value.h"

#include <QStringView>

#include <optional>

namespace ky {

std::optional<double> readNumericText(QStringView text);

// "&H" / "&O" digits as the literal of that form: up to 4 hexadecimal digits
// are a 16-bit integer, up to 8 a 32-bit one (so "&HFFFF" is -1 and "&H10000"
// is 65536); longer or unreadable digits give nothing.
std::optional<Value> readRadixLiteral(QStringView digits, int base);

// A value that numeric formats accept: numbers, booleans, and numeric text.
std::optional<double> numberOf(const Value& value);

}  // namespace ky
