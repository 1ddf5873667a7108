#include "report/engine/qt/qt_picture_size.h"

#include "report/engine/qt/pictures/metafile.h"

#include <QBuffer>
#include <QImageReader>

namespace ky {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kScreenPixelsPerInch = 96;

}  // namespace

std::optional<QSizeF> naturalPictureSize(const QByteArray& bytes) {
    if (metafileKind(bytes) != MetafileKind::None) return metafileSize(bytes);
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return std::nullopt;
    QImageReader reader(&buffer);
    const QSize pixels = reader.size();
    if (!pixels.isValid() || pixels.isEmpty()) return std::nullopt;
    // The reader knows no resolution before decoding; a picture shows at screen size.
    const double twipsPerPixel = kTwipsPerInch / kScreenPixelsPerInch;
    return QSizeF(pixels.width() * twipsPerPixel, pixels.height() * twipsPerPixel);
}

}  // namespace ky
