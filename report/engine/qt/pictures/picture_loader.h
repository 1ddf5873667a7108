#pragma once
// Picture files as templates and fields hold them: BMP, JPEG, GIF and PNG
// through Qt's readers, EMF and placeable WMF through their SVG form. Bytes that are no picture
// give a null image, never an error.

#include <QByteArray>
#include <QImage>

namespace ky {

QImage loadPicture(const QByteArray& bytes);

}  // namespace ky
