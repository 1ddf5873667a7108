#pragma once
// Breaking text into lines the way the device text call does: line breaks
// (CR LF, LF or CR) always; with word break, at blanks and around wide
// characters; with the edit-control flag, also inside a word that is wider
// than the line.

#include "report/engine/surface/text_metrics.h"

#include <QString>

#include <limits>
#include <vector>

namespace ky {

struct TextLayoutOptions {
    bool wordBreak = true;
    bool editControl = false;
    friend bool operator==(const TextLayoutOptions&, const TextLayoutOptions&) = default;
};

struct TextLine {
    QString text;
    double width = 0;
};

// The lines, and the widths for which breaking the same text would give the
// same lines: every break decision compares a sum of widths with the line's
// width, so the lines hold from the largest sum kept to the smallest sum
// that broke.
struct TextLayout {
    std::vector<TextLine> lines;
    double holdsFrom = -std::numeric_limits<double>::infinity();
    double breaksFrom = std::numeric_limits<double>::infinity();
    bool holdsFor(double maxWidth) const { return holdsFrom <= maxWidth && maxWidth < breaksFrom; }
};

TextLayout layoutText(const QString& text, double maxWidth, const TextMetrics& metrics, const SurfaceFont& font,
                      const TextLayoutOptions& options);

// The last layout made, given again while the text, font and options are the
// same and the width gives the same lines: a text box is measured to fit,
// measured to place, then drawn, all with one layout.
class TextLayoutMemo {
public:
    std::vector<TextLine> lines(const QString& text, double maxWidth, const TextMetrics& metrics, const SurfaceFont& font,
                                const TextLayoutOptions& options);

private:
    const TextMetrics* metrics_ = nullptr;
    QString text_;
    SurfaceFont font_;
    TextLayoutOptions options_;
    TextLayout layout_;
};

}  // namespace ky
