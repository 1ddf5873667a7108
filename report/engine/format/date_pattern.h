#pragma once
// One section of a date/time pattern: d dd ddd dddd ddddd dddddd, w ww,
// m mm mmm mmmm (minutes right after an hour), q, y yy yyyy, h hh, n nn, s ss,
// ttttt, c, AM/PM am/pm A/P a/p AMPM; every other character is literal.

#include "report/engine/format/date_parts.h"
#include "report/engine/format/pattern_chars.h"

namespace ky {

QString formatDateSection(const DateParts& date, const PatternChars& section);

// The general form: the date alone at midnight, the time alone on day 0.
QString generalDateText(const DateParts& date);

}  // namespace ky
