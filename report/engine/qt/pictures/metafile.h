#pragma once
// Windows metafiles as pictures, drawn through their SVG form: an EMF is
// checked record by record (so that the converter only ever sees well-formed
// records) and turned into SVG by libemf2svg; a placeable WMF by our own
// reader (wmf_to_svg.h), and sized from its placeable header.

#include <QByteArray>
#include <QSizeF>

#include <optional>

namespace ky {

enum class MetafileKind { None, Emf, Wmf };

MetafileKind metafileKind(const QByteArray& bytes);

// The picture's size in twips from its header (the EMF frame, the WMF
// placeable bounds); nothing when the header gives none.
std::optional<QSizeF> metafileSize(const QByteArray& bytes);

// The EMF as an SVG document; empty when it is no EMF or does not convert.
QByteArray emfToSvg(const QByteArray& bytes);

// Either kind of metafile as an SVG document whose view box is the picture's
// frame; empty when the bytes are no metafile or do not convert.
QByteArray metafileToSvg(const QByteArray& bytes);

}  // namespace ky
