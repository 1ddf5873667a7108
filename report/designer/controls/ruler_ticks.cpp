#include "report/designer/controls/ruler_ticks.h"

#include <cmath>

namespace ky::designer {

std::vector<RulerTick> rulerTicks(double lengthTwips, int zoom) {
    std::vector<RulerTick> ticks;
    if (zoom <= 0 || !(lengthTwips >= 0)) return ticks;
    const double step = kTwipsPerMillimetre * zoom / 100.0;
    for (int mm = 0; mm < kMaxTicks; ++mm) {
        const double at = mm * step;
        if (at > lengthTwips) break;
        RulerTick tick{at, kTickShort};
        if (mm % 10 == 0) tick = {at, kTickLong, mm / 10};
        else if (mm % 5 == 0) tick.reach = kTickMiddle;
        ticks.push_back(tick);
    }
    return ticks;
}

}  // namespace ky::designer
