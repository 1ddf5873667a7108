#pragma once
// Numbers read from outside (templates, record sets, INI and registry files,
// the command line) become integers through here: casting a double beyond an
// int's range is undefined, and such numbers can be anything. What a number
// that saturated means is each caller's decision (a page no page has, a paper
// code that is no paper).

#include <climits>
#include <cmath>

namespace ky {

// Toward zero as a cast goes; beyond an int's range its nearest end; NaN is 0.
constexpr int saturatingInt(double value) {
    if (!(value == value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

// Rounded half away from zero, then saturated.
inline int roundedInt(double value) { return saturatingInt(std::round(value)); }

}  // namespace ky
