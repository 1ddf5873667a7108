#pragma once
// How wide and how high text is in a font, in twips. Surfaces measure and
// lay out text through this, so that measuring and drawing agree, and tests
// can use widths they can compute by hand.

#include "report/engine/surface/surface_font.h"

#include <QStringView>

namespace ky {

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // The advance of a run of text on one line.
    virtual double width(QStringView text, const SurfaceFont& font) const = 0;
    // The distance from one line to the next.
    virtual double lineHeight(const SurfaceFont& font) const = 0;
};

// Metrics for tests: a character of the wide (CJK, full-width) ranges is one
// em (the font size) wide, any other half an em; a line is 1.2 em high;
// bold and italic change nothing. A 10-point "ab中" is 400 twips wide.
class FixedTextMetrics final : public TextMetrics {
public:
    double width(QStringView text, const SurfaceFont& font) const override;
    double lineHeight(const SurfaceFont& font) const override;
};

// True for characters that take a full em in the fixed metrics.
bool isWideCharacter(char32_t c);

}  // namespace ky
