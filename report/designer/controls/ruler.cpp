#include "report/designer/controls/ruler.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ky::designer {

namespace {

constexpr double kTwipsPerInch = 1440;
// Room beside the scale for the pages' edges.
constexpr double kScaleMargin = 1000;

}  // namespace

Ruler::Ruler(Qt::Orientation orientation, QWidget* parent) : QWidget(parent), orientation_(orientation) {
    setAccessibleName(orientation == Qt::Horizontal ? QStringLiteral("水平标尺") : QStringLiteral("垂直标尺"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double Ruler::twipsToPixels(double twips) const { return twips * logicalDpiX() / kTwipsPerInch; }

QSize Ruler::sizeHint() const {
    const int thickness = qRound(twipsToPixels(kThicknessTwips));
    return orientation_ == Qt::Horizontal ? QSize(100, thickness) : QSize(thickness, 100);
}

void Ruler::setScale(double pictureTwips, double workAreaTwips, int zoom) {
    ticks_ = rulerTicks(std::max(pictureTwips, workAreaTwips) + kScaleMargin, zoom);
    update();
}

void Ruler::setScrollMillimetres(int value) {
    offset_ = value * kTwipsPerMillimetre;
    update();
}

// Each tick a one-pixel line on a whole device pixel, numbers in the small
// interface font beside the long ticks.
void Ruler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const double ratio = devicePixelRatioF();
    const auto snap = [ratio](double pixels) { return (std::floor(pixels * ratio) + 0.5) / ratio; };
    const bool across = orientation_ == Qt::Horizontal;
    const double length = across ? width() : height();
    QPen pen(palette().color(QPalette::Text), 0);  // cosmetic: one device pixel wide
    painter.setPen(pen);
    // Numbers sit beside the long ticks, past the ends of the shorter ones.
    QFont font = painter.font();
    font.setPixelSize(std::max(7, qRound(twipsToPixels(kTickLong - kTickMiddle)) + 1));
    painter.setFont(font);
    const double numberLine = twipsToPixels(kTickLong);
    for (const RulerTick& tick : ticks_) {
        const double along = snap(twipsToPixels(tick.at - offset_));
        if (along < 0) continue;
        if (along > length) break;
        const double from = snap(twipsToPixels(kTickStart)), to = snap(twipsToPixels(tick.reach));
        if (across) painter.drawLine(QPointF(along, from), QPointF(along, to));
        else painter.drawLine(QPointF(from, along), QPointF(to, along));
        if (tick.centimetres < 0) continue;
        const QString number = QString::number(tick.centimetres);
        if (across) {
            painter.drawText(QPointF(along + 2, numberLine), number);
        } else {
            // Written along the ruler, reading upwards, beside the tick.
            painter.save();
            painter.translate(numberLine, along - 2);
            painter.rotate(-90);
            painter.drawText(QPointF(0, 0), number);
            painter.restore();
        }
    }
    // The edge towards the work area.
    const double edge = snap((across ? height() : width()) - 1.0);
    if (across) painter.drawLine(QPointF(0, edge), QPointF(width(), edge));
    else painter.drawLine(QPointF(edge, 0), QPointF(edge, height()));
}

}  // namespace ky::designer
