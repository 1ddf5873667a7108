#pragma once
// One section of a number pattern: digit placeholders "0" and "#", the
// decimal point, "," for digit groups (or, right before the point, for
// thousands scaling), "%", scientific "E+" "E-" "e+" "e-", and literals.

#include "report/engine/format/pattern_chars.h"

namespace ky {

// `writeMinus`: put "-" in front of a negative value (the first section of a
// pattern does; a negative section writes its own sign). A value whose shown
// digits are all zero gets no minus sign.
QString formatNumberSection(double value, const PatternChars& section, bool writeMinus);

}  // namespace ky
