#pragma once
// Raster files (BMP, JPEG, GIF, PNG) through Qt's readers, refused rather
// than decoded when larger than the picture limits: a hostile header can ask
// for gigabytes.

#include <QByteArray>
#include <QImage>

namespace ky {

// The longest side of a picture, in pixels.
inline constexpr int kMaxPicturePixels = 8192;

// A null image when the bytes are no raster file Qt reads, or when a side is
// longer than kMaxPicturePixels or the area larger than maxArea.
QImage decodeRaster(const QByteArray& bytes,
                    qint64 maxArea = static_cast<qint64>(kMaxPicturePixels) * kMaxPicturePixels);

}  // namespace ky
