#include "report/engine/qt/pictures/picture_loader.h"

#include "platform/saturating_int.h"
#include "report/engine/qt/pictures/metafile.h"
#include "report/engine/qt/pictures/raster_decoder.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

constexpr double kScreenTwipsPerPixel = 15;

QImage metafilePicture(const QByteArray& bytes) {
    const QByteArray svg = metafileToSvg(bytes);
    if (svg.isEmpty()) return {};
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) return {};
    QSizeF pixels = renderer.defaultSize();
    if (const auto twips = metafileSize(bytes)) pixels = *twips / kScreenTwipsPerPixel;
    const QSize size(std::clamp(roundedInt(pixels.width()), 1, kMaxPicturePixels),
                     std::clamp(roundedInt(pixels.height()), 1, kMaxPicturePixels));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

}  // namespace

QImage loadPicture(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    if (metafileKind(bytes) != MetafileKind::None) return metafilePicture(bytes);
    return decodeRaster(bytes);
}

}  // namespace ky
