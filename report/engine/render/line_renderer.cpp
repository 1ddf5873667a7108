#include "report/engine/render/element_renderers.h"

namespace ky {

namespace {

// A line this thin in one direction was meant to be straight.
constexpr double kStraightBelow = 100;  // twips, inclusive

}  // namespace

// `Xiexian` 1 runs from the top-left to the bottom-right corner, any other
// value from the top-right to the bottom-left.
void DrawLine(Surface& surface, const LineDraw& draw) {
    const double x = draw.box.left(), y = draw.box.top();
    const double w = draw.box.width() <= kStraightBelow ? 0 : draw.box.width();
    const double h = draw.box.height() <= kStraightBelow ? 0 : draw.box.height();
    const int pen = PenWidth(surface, draw.lineWidth, draw.zoom);
    if (draw.xiexian == 1) surface.drawLine({x, y}, {x + w, y + h}, draw.color, pen);
    else surface.drawLine({x + w, y}, {x, y + h}, draw.color, pen);
}

}  // namespace ky
