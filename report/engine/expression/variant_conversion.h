#pragma once
// Conversions between the kinds of values in the scripting language's manner:
// empty is 0 or "", true is -1, texts convert when they read as numbers or
// dates, null converts to nothing (callers decide what null gives).

#include "report/data/value.h"

#include <cstdint>

namespace ky::expr {

// Fails on null, bytes and texts that are not numbers.
double toNumber(const Value& value);
// Fails on null and texts other than numbers, "True" and "False".
bool toBoolean(const Value& value);
// Fails on null and values that are not dates.
OleDate toDate(const Value& value);
// Fails on null; empty is "".
QString toText(const Value& value);

// Rounded half to even; fails beyond the 16-/32-bit range.
std::int16_t toInteger(const Value& value);
std::int32_t toLong(const Value& value);

// A double result; fails when it is not finite (overflow, 0/0).
Value checkedDouble(double value);
// A text result; fails beyond kMaxTextLength.
Value checkedText(QString text);

// Round half to even on the binary value, as the language's Round does.
double roundBankers(double value, int decimals = 0);

bool isNumberLike(const Value& value);  // numeric, boolean, date or empty

}  // namespace ky::expr
