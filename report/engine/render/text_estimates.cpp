#include "report/engine/render/text_estimates.h"

#include "report/engine/render/element_renderers.h"
#include "report/template/elements/check_box_model.h"

#include <algorithm>

namespace ky {

namespace {

// Least-squares fits of the Song typeface's advance and line height, in
// twips per point, as the designer lays out captions with them.
constexpr double kWidthPerPoint = 9.9978296, kWidthBase = 5.1139447;
constexpr double kHeightPerPoint = 19.9981681, kHeightBase = 0.4086773;

}  // namespace

double EstimatedTextWidth(double fontSize, const QString& text) {
    return (fontSize * kWidthPerPoint + kWidthBase) * multibyteLength(text);
}

double EstimatedLineHeight(double fontSize) { return fontSize * kHeightPerPoint + kHeightBase; }

std::optional<double> EstimatedFittingSize(QSizeF box, QStringView text) {
    const int bytes = multibyteLength(text);
    if (bytes == 0) return std::nullopt;
    return std::min((box.width() / bytes - kWidthBase) / kWidthPerPoint, (box.height() - kHeightBase) / kHeightPerPoint);
}

}  // namespace ky
