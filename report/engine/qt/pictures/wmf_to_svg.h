#pragma once
// Windows metafiles (placeable WMF) as SVG documents, by a reader of their
// records of its own: pictures come from outside, so every read is checked,
// and a record that does not fit ends the reading with what was drawn so far.

#include <QByteArray>

namespace ky {

// The drawing, its view box the placeable header's box; empty when the
// headers are not a placeable WMF's.
QByteArray wmfToSvg(const QByteArray& bytes);

}  // namespace ky
