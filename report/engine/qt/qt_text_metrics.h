#pragma once
// Text metrics of the real fonts, through Qt: what `kyreport dump` measures
// with, so that its line breaks and fitted sizes are those of a real page.
// Needs a QGuiApplication (the offscreen platform will do).

#include "report/engine/surface/text_metrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>

#include <functional>
#include <memory>
#include <unordered_map>

namespace ky {

// Text is measured, and drawn, in the face at this many pixels to the em,
// unhinted, scaled to the font's size: one set of glyph advances for every
// size. Qt keeps the glyphs of faces up to 64 pixels in its cache; larger
// ones are loaded again for every text drawn (six times slower PDF output).
inline constexpr int kReferencePixels = 64;

// The face at the reference size, bold and italic as the font is.
QFont referenceFont(const SurfaceFont& font);

class QtTextMetrics final : public TextMetrics {
public:
    // From the reference size to the font's size in twips.
    static double scale(const SurfaceFont& font) { return font.size * kTwipsPerPoint / kReferencePixels; }
    // The distance from a line's top to its baseline, in twips.
    double ascent(const SurfaceFont& font) const;

    // The face at the reference size, as drawing uses it.
    QFont referenceFaceOf(const SurfaceFont& font) const;

    double width(QStringView text, const SurfaceFont& font) const override;
    double lineHeight(const SurfaceFont& font) const override;

private:
    struct PieceHash {
        using is_transparent = void;
        std::size_t operator()(QStringView piece) const noexcept { return qHash(piece); }
    };
    // A face at the reference size and the advances measured in it so far:
    // layout measures the same words and characters over and over, and each
    // measurement loads glyphs.
    struct Face {
        explicit Face(const QFont& reference) : font(reference), metrics(reference) {}
        QFont font;
        QFontMetricsF metrics;
        // Reference pixels; looked up by the piece itself, with no copy made.
        std::unordered_map<QString, double, PieceHash, std::equal_to<>> advances;
    };
    // Enough for the words of long reports; beyond it the advances start over.
    static constexpr std::size_t kMaxAdvances = 200000;

    Face& faceOf(const SurfaceFont& font) const;
    mutable QHash<QString, std::shared_ptr<Face>> cache_;
    // The face asked for last: runs of calls ask for the same one.
    mutable SurfaceFont lastFont_;
    mutable Face* lastFace_ = nullptr;
};

}  // namespace ky
