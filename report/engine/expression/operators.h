#pragma once
// The operators on values, with the language's result kinds: integers widen
// on overflow (16-bit to 32-bit to double), a date plus a number is a date,
// null propagates, and logical operators are bitwise on numbers.

#include "report/data/value.h"

namespace ky::expr {

enum class BinaryOp : std::uint8_t { Power, Multiply, Divide, IntDivide, Mod, Add, Subtract, Concat, Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual, And, Or, Xor, Eqv, Imp };

Value applyBinary(BinaryOp op, const Value& a, const Value& b);
Value negate(const Value& a);
Value logicalNot(const Value& a);

// -1, 0 or 1; nothing when either side is null. Numbers before texts that do
// not read as numbers; texts by code unit (or without regard to case).
std::optional<int> compareValues(const Value& a, const Value& b, bool ignoreCase = false);

}  // namespace ky::expr
