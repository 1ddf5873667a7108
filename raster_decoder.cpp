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
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxPicturePixels || size.height() > kMaxPicturePixels ||
                           static_cast<qint64>(size.width()) * size.height() > maxArea))
        return {};
    return reader.read();
}

}  // namespace ky
