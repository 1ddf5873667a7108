#include "report/engine/surface/surface.h"

#include <algorithm>

namespace ky {

double Surface::textWidth(QStringView text) const {
    double widest = 0;
    for (const TextLine& line : unwrapped(text.toString(), font_)) widest = std::max(widest, line.width);
    return widest;
}

double Surface::textHeight(QStringView text) const {
    // An empty text is as high as one line, as the target measures it.
    const auto lines = std::max<std::size_t>(1, unwrapped(text.toString(), font_).size());
    return static_cast<double>(lines) * metrics_.lineHeight(font_);
}

QRectF Surface::measureText(const QRectF& rect, const QString& text, const SurfaceFont& font, const TextFormat& format) const {
    const auto lines = layout(text, rect.width(), font, format.layout);
    double widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.width);
    const double width = lines.size() == 1 ? widest : std::max(rect.width(), widest);
    return {rect.left(), rect.top(), width, static_cast<double>(lines.size()) * metrics_.lineHeight(font)};
}

}  // namespace ky
