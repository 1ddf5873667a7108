#include "report/designer/controls/toolbar_strips.h"

#include <QString>

namespace ky::designer {

QImage toolbarStrip(int toolbar, double devicePixelRatio) {
    if (toolbar < 1 || toolbar > 3) return {};
    const QString suffix = devicePixelRatio > 1 ? QStringLiteral("@2x") : QString();
    return QImage(QStringLiteral(":/toolbars/toolbar%1%2.png").arg(toolbar).arg(suffix));
}

}  // namespace ky::designer
