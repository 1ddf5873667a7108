#pragma once
// The natural size of a picture file in twips, read by Qt's image readers
// (pixels at the resolution the file gives, else 96 per inch), or for a
// metafile from its header.

#include <QByteArray>
#include <QSizeF>

#include <optional>

namespace ky {

std::optional<QSizeF> naturalPictureSize(const QByteArray& bytes);

}  // namespace ky
