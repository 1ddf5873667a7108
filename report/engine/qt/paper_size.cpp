#include "report/engine/qt/paper_size.h"

#include "report/engine/surface/surface_font.h"

namespace ky {

QPageSize pageSizeOf(int code, const QSizeF& userTwips) {
    switch (code) {
    case 8: return QPageSize(QPageSize::A3);
    case 9: return QPageSize(QPageSize::A4);
    case 11: return QPageSize(QPageSize::A5);
    case 12: return QPageSize(QPageSize::JisB4);
    case 13: return QPageSize(QPageSize::JisB5);
    case kUserDefinedPaper:
        if (userTwips.width() > 0 && userTwips.height() > 0)
            return QPageSize(userTwips / kTwipsPerPoint, QPageSize::Point, QString(), QPageSize::ExactMatch);
        break;
    default: break;
    }
    return QPageSize(QPageSize::A4);
}

QPageLayout pageLayoutOf(int code, const QSizeF& userTwips, int orientation) {
    QPageLayout layout(pageSizeOf(code, userTwips),
                       orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

}  // namespace ky
