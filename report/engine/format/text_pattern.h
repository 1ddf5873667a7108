#pragma once
// One section of a text pattern: "@" a character or a space, "&" a character
// or nothing, "<" lower case, ">" upper case, "!" fill the placeholders left
// to right (otherwise right to left); other characters are literal.

#include "report/engine/format/pattern_chars.h"

namespace ky {

QString formatTextSection(const QString& text, const PatternChars& section);

}  // namespace ky
