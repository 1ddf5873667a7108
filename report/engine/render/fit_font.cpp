#include "report/engine/render/element_renderers.h"

namespace ky {

namespace {

// A text that measures this many times its rectangle will not fit at any size.
constexpr double kHopelessRatio = 20;
// Measured sums of glyph advances may overshoot an exact fit by rounding.
constexpr double kTolerance = 1e-6;

}  // namespace

// Steps of 2 device pixels of height (the width, half the height, follows in
// steps of 1). The smallest font is one device pixel: below it a font has no
// size at all, so texts that fit at no size end there instead of looping.
SurfaceFont FitFont(const Surface& surface, SurfaceFont font, const QRectF& rect, const TextFormat& format,
                    const QString& text) {
    const double pixel = surface.twipsPerPixelY() / kTwipsPerPoint;
    const double step = 2 * pixel;
    if (!(step > 0)) return font;
    FittedFontMemo::Question question{rect.size(), pixel, format.layout, font, text};
    if (const auto fitted = surface.fittedFonts().find(question)) return *fitted;
    const double asked = font.size;
    for (;;) {
        const QRectF measured = surface.measureText(rect, text, font, format);
        const bool fits = measured.right() <= rect.right() + kTolerance && measured.bottom() <= rect.bottom() + kTolerance;
        const bool hopeless = measured.width() >= kHopelessRatio * rect.width() ||
                              measured.height() >= kHopelessRatio * rect.height();
        if (fits || hopeless || font.size - step < pixel) break;
        font.size -= step;
    }
    // Most texts fit as they are: only a search is worth remembering.
    if (font.size != asked) surface.fittedFonts().remember(std::move(question), font);
    return font;
}

}  // namespace ky
