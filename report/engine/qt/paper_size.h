#pragma once
// The templates' paper-size codes (those of the Windows printer driver) as
// Qt page sizes: 8 A3, 9 A4, 11 A5, 12 B4 and 13 B5 (both JIS), and 256, a
// size of its own given in twips. Other codes fall back to A4.

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

namespace ky {

inline constexpr int kUserDefinedPaper = 256;

QPageSize pageSizeOf(int code, const QSizeF& userTwips = {});

// A page layout without margins: the engine places everything on the paper.
QPageLayout pageLayoutOf(int code, const QSizeF& userTwips, int orientation);

}  // namespace ky
