#include "report/data/round_half_even.h"
#include "report/engine/render/element_renderers.h"

#include <algorithm>

namespace ky {

namespace {

// Template pen widths are pixels of the design screen (96 per inch).
constexpr double kScreenTwipsPerPixel = 15;
// Keeps a stray template number from overflowing the pen's integer.
constexpr double kWidestPen = 1e6;

}  // namespace

int PenWidth(const Surface& surface, double width, int zoom) {
    const double devicePixels = surface.isPrinter() ? kScreenTwipsPerPixel * width / surface.twipsPerPixelX() : width;
    const double rounded = RoundHalfEven(devicePixels * zoom / 100.0, 0);
    // `!(>= 1)` also catches NaN from a surface without a pixel size.
    if (!(rounded >= 1)) return 1;
    return static_cast<int>(std::min(rounded, kWidestPen));
}

}  // namespace ky
