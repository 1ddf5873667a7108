#pragma once
// Rounding as reports show numbers: on the value's decimal text (15
// significant digits, as the value prints), half to even. 2.25 -> 2.2,
// 2.35 -> 2.4, 2.2501 -> 2.3 to one decimal.

namespace ky {

// `decimals` below 0 counts as 0. Non-finite values come back unchanged.
// A negative value rounds like its magnitude (-2.2501 -> -2.3).
double RoundHalfEven(double value, int decimals);

}  // namespace ky
