#include "report/engine/surface/text_metrics.h"

#include <QList>

namespace ky {

bool isWideCharacter(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD) || c == 0x221A || c == 0x25A1;
}

double FixedTextMetrics::width(QStringView text, const SurfaceFont& font) const {
    const double em = font.size * kTwipsPerPoint;
    double total = 0;
    for (char32_t c : text.toUcs4()) total += isWideCharacter(c) ? em : em / 2;
    return total;
}

double FixedTextMetrics::lineHeight(const SurfaceFont& font) const { return font.size * kTwipsPerPoint * 1.2; }

}  // namespace ky
