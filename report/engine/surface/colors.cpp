#include "report/engine/surface/colors.h"

#include <array>

namespace ky {

int resolveColor(int color) {
    if (color >= 0) return color & 0xFFFFFF;
    // Indexes 0..30 of the system colour table, 0x00BBGGRR.
    static constexpr std::array<int, 31> kSystemColors = {
        0xC8D0D4, 0x6B2408, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF,
        0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080, 0x000000, 0xC8D0D4,
        0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xD77800,
        0xC8D0D4};
    const auto index = static_cast<unsigned>(color) & 0xFFu;
    return index < kSystemColors.size() ? kSystemColors[index] : 0;
}

}  // namespace ky
