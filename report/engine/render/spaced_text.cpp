#include "report/engine/render/spaced_text.h"

#include "report/engine/render/element_renderers.h"
#include "report/engine/render/text_estimates.h"

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

constexpr double kTwipsPerMillimetre = 56.7;
// Line spacing (millimetres) up to which text is laid out as one block.
constexpr double kSpacedFromHangJu = 0.5;
// The text keeps two screen pixels off the box's right edge.
constexpr double kRightMargin = 30;

class Measure {
public:
    Measure(const Surface& surface, SpacedMeasure kind) : surface_(surface), kind_(kind) {}

    double width(QStringView text) const {
        return kind_ == SpacedMeasure::Estimates ? EstimatedTextWidth(surface_.font().size, text.toString())
                                                 : surface_.textWidth(text);
    }
    double height(QStringView text) const {
        return kind_ == SpacedMeasure::Estimates ? EstimatedLineHeight(surface_.font().size) : surface_.textHeight(text);
    }

private:
    const Surface& surface_;
    SpacedMeasure kind_;
};

double placedX(double x, double usable, double width, int alignment) {
    if (alignment == 1) return x + usable - width;
    if (alignment == 2) return x + (usable - width) / 2;
    return x;
}

qsizetype characterSize(QStringView text, qsizetype at) {
    return text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
}

// The end of the longest run from `start` that is at most `usable` wide,
// measured character by character; at least one character, so that every
// line moves on even when one character is wider than the line.
qsizetype lineEnd(QStringView text, qsizetype start, double usable, const Measure& measure) {
    qsizetype end = start + characterSize(text, start);
    while (end < text.size()) {
        const qsizetype next = end + characterSize(text, end);
        if (measure.width(text.sliced(start, next - start)) > usable) break;
        end = next;
    }
    return end;
}

// The number of lines as whole twips divide: W \ U, plus one for a remainder.
qsizetype lineCount(double width, double usable) {
    const auto w = std::llrint(width), u = std::llrint(usable);
    return static_cast<qsizetype>(w / u + (w % u != 0 ? 1 : 0));
}

}  // namespace

bool UsesSpacedText(bool autoSize, double hangJu) { return !autoSize && hangJu > kSpacedFromHangJu; }

void PrintSpacedText(Surface& surface, const SpacedText& spaced, SpacedMeasure kind) {
    const QRectF& box = spaced.box;
    const QString& text = spaced.text;
    if (text.isEmpty()) return;

    SurfaceFont font = spaced.font;
    if (spaced.autoSize) {
        // A size below 1 point is no size to print at: the font stays.
        const auto fitting = EstimatedFittingSize(box.size(), text);
        if (fitting && *fitting >= 1) font.size = *fitting * spaced.zoom / 100.0;
    }
    surface.setFont(font);
    const Measure measure(surface, kind);
    const double width = measure.width(text);
    const double height = measure.height(text);
    const double usable = box.width() - kRightMargin;

    // Auto-sized text, text that fits, and text in a box too narrow to hold
    // any of it are printed on one line.
    if (spaced.autoSize || width <= usable || usable < 1) {
        const double y = spaced.vAlignment == 2 ? box.top() + (box.height() - height) / 2 : box.top();
        surface.printText({placedX(box.left(), usable, width, spaced.alignment), y}, text, spaced.color);
        return;
    }

    // Every line takes at least one character, so there are never more lines than characters.
    const qsizetype lines = std::min(lineCount(width, usable), text.size());
    const double pitch = height + spaced.hangJu * kTwipsPerMillimetre;
    const double top = spaced.vAlignment == 2 ? box.top() + (box.height() - pitch * static_cast<double>(lines)) / 2
                                              : box.top();
    qsizetype start = 0;
    for (qsizetype i = 0; i + 1 < lines && start < text.size(); ++i) {
        const qsizetype end = lineEnd(text, start, usable, measure);
        surface.printText({box.left(), top + static_cast<double>(i) * pitch}, text.mid(start, end - start), spaced.color);
        start = end;
    }
    if (start >= text.size()) return;
    const QString last = text.mid(start);
    const QPointF at(placedX(box.left(), usable, measure.width(last), spaced.alignment),
                     top + static_cast<double>(lines - 1) * pitch);
    surface.printText(at, last, spaced.color);
}

}  // namespace ky
