#include "report/engine/qt/pictures/raster_decoder.h"

#include <QBuffer>
#include <QImageReader>

namespace ky {

QImage decodeRaster(const QByteArray& bytes, qint64 maxArea) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    auto tooLarge = [maxArea](QSize size) {
        return size.width() > kMaxPicturePixels || size.height() > kMaxPicturePixels ||
               static_cast<qint64>(size.width()) * size.height() > maxArea;
    };
    // The header's size where the reader knows it before decoding; the
    // image's after, for the readers that do not.
    const QSize announced = reader.size();
    if (announced.isValid() && tooLarge(announced)) return {};
    QImage image = reader.read();
    return tooLarge(image.size()) ? QImage() : image;
}

}  // namespace ky
