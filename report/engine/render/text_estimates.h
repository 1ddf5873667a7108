#pragma once
// Text sizes estimated from the font size alone, linear in points, for the
// places that size text without asking the target (auto-sized captions, the
// spaced label). Lengths count bytes of the Chinese code page (936).

#include <QSizeF>
#include <QStringView>

#include <optional>

namespace ky {

// The font size (points, before zoom) at which the text fills the box on
// one line by the estimates; nothing for an empty text.
std::optional<double> EstimatedFittingSize(QSizeF box, QStringView text);

}  // namespace ky
