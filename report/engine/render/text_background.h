#pragma once
// The white background of a text element that is not transparent.

#include "report/engine/surface/surface.h"

namespace ky {

inline constexpr int kWhite = 0xFFFFFF;

// Fills (x, y)-(x + width − 30, y + height − 30): two screen pixels short of
// the right and bottom edges, so that grid lines under the element stay visible.
void FillTextBackground(Surface& surface, const QRectF& box);

}  // namespace ky
