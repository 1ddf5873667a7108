#include "report/engine/qt/pictures/picture_loader.h"

#include "report/engine/qt/pictures/metafile.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

// Larger pictures are refused rather than decoded (a hostile header can ask
// for gigabytes).
constexpr int kMaxPixels = 8192;
constexpr double kScreenTwipsPerPixel = 15;

QImage rasterPicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxPixels || size.height() > kMaxPixels)) return {};
    return reader.read();
}

QImage metafilePicture(const QByteArray& bytes) {
    const QByteArray svg = emfToSvg(bytes);
    if (svg.isEmpty()) return {};
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) return {};
    QSizeF pixels = renderer.defaultSize();
    if (const auto twips = metafileSize(bytes)) pixels = *twips / kScreenTwipsPerPixel;
    const QSize size(std::clamp(static_cast<int>(std::lround(pixels.width())), 1, kMaxPixels),
                     std::clamp(static_cast<int>(std::lround(pixels.height())), 1, kMaxPixels));
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
    return rasterPicture(bytes);
}

}  // namespace ky
