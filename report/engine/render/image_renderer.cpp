#include "report/engine/render/element_renderers.h"

namespace ky {

namespace {

// The picture's natural size in twips, or nothing when the bytes are no
// picture or one without extent.
std::optional<QSizeF> naturalSize(const Surface& surface, const QByteArray& picture) {
    if (picture.isEmpty()) return std::nullopt;
    const auto size = surface.pictureSize(picture);
    if (!size || size->isEmpty()) return std::nullopt;
    return size;
}

}  // namespace

// AutoSize stretches the picture to the element; otherwise it keeps its own
// size at the zoom, from the element's top-left corner.
void DrawImage(Surface& surface, const ImageDraw& draw) {
    const auto size = naturalSize(surface, draw.picture);
    if (!size) return;
    const QRectF target = draw.autoSize ? draw.box : QRectF(draw.box.topLeft(), *size * (draw.zoom / 100.0));
    surface.drawPicture(draw.picture, target);
}

// At its natural size in the page's twips, so that it covers the same part
// of the page at every zoom (a scanned form lines up with the fields on it).
void DrawBackground(Surface& surface, const QByteArray& picture, QPointF at) {
    const auto size = naturalSize(surface, picture);
    if (size) surface.drawPicture(picture, QRectF(at, *size));
}

}  // namespace ky
