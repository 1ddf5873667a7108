#pragma once
// The device-independent bitmaps metafiles embed: a BMP file without its
// file header (or, compressed as JPEG or PNG, such a file after the header).

#include <QByteArrayView>
#include <QImage>

namespace ky {

// A null image when the header is none Qt reads, or the bitmap has a side
// over the picture limit or more than maxArea pixels.
QImage dibImage(QByteArrayView dib, qint64 maxArea);

}  // namespace ky
