#pragma once
// The pattern language of the scripting language's Format function, as custom
// formats of text boxes use it: named formats, and number, date/time and text
// patterns with up to four ";" sections (positive; negative; zero; null).

#include "report/data/value.h"

#include <QStringView>

namespace ky {

// What the pattern does with each kind of value:
// - a number (or numeric text, or a boolean) under a number pattern, or a
//   date under a date pattern, is formatted;
// - a number under a date pattern is read as a date, a date under a number
//   pattern as its day number;
// - any value under a text pattern ("@", "&", "<", ">", "!") is formatted as text;
// - anything else comes back as its text, unchanged; null gives the fourth
//   section's literals, or an empty text.
// An empty pattern gives the value's text.
QString formatWithPattern(const Value& value, QStringView pattern);

}  // namespace ky
