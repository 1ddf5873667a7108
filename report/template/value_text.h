#pragma once
// How template documents write and read their values: decimals in plain
// notation at single precision, lenient numbers, "True"/"False" flags, and
// the caption spacing rule.

#include <QString>
#include <QStringView>

#include <optional>

namespace ky {

// Plain notation with "." at single precision: 21 -> "21", 29.7 -> "29.7",
// 0.05 -> "0.05", -0.4 -> "-0.4"; never an exponent.
QString writeDecimal(double value);

// The number at the start of the text, as the scripting language's Val reads
// it: leading blanks skipped, then sign, digits, point and exponent as far as
// they go; anything unreadable or empty is 0.
double readNumber(QStringView text);

QString writeFlag(bool value);
// "True"/"False" in any case, or a number (non-zero is true); nothing otherwise.
std::optional<bool> readFlag(QStringView text);

// Captions of labels and check boxes: every run of two ASCII spaces becomes
// one ideographic space, left to right (three spaces: U+3000 and a space).
QString captionForWriting(QString caption);

}  // namespace ky
