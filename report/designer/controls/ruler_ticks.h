#pragma once
// The ticks of the window's rulers, in twips: one a millimetre (56.7 twips at
// zoom 100), from 10 twips across the ruler to 75, every fifth millimetre to
// 130 and every tenth to 240 with its number of centimetres beside it.

#include <vector>

namespace ky::designer {

inline constexpr double kTwipsPerMillimetre = 56.7;
// Where a tick starts across the ruler, and how far the three kinds reach.
inline constexpr double kTickStart = 10, kTickShort = 75, kTickMiddle = 130, kTickLong = 240;

struct RulerTick {
    double at = 0;       // along the ruler, twips from its start
    double reach = 0;    // across the ruler, where the tick ends (from kTickStart)
    int centimetres = -1;  // the number written beside a long tick; -1 for none
    friend bool operator==(const RulerTick&, const RulerTick&) = default;
};

// Every tick of a ruler covering `lengthTwips` at `zoom` percent (a zoom of 0
// or less has none). The count is bounded: a ruler never holds more than
// kMaxTicks ticks, whatever it is given.
std::vector<RulerTick> rulerTicks(double lengthTwips, int zoom);

inline constexpr int kMaxTicks = 100000;

}  // namespace ky::designer
