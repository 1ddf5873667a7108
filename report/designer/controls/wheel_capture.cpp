#include "report/designer/controls/wheel_capture.h"

#include <QWheelEvent>

namespace ky::designer {

void WheelCapture::setCapture(QWidget* widget) {
    const bool wasActive = active_;
    DisableWheel();
    capture_ = widget;
    if (wasActive) EnableWheel();
}

void WheelCapture::EnableWheel() {
    if (active_ || !capture_) return;
    capture_->installEventFilter(this);
    active_ = true;
}

void WheelCapture::DisableWheel() {
    if (!active_) return;
    if (capture_) capture_->removeEventFilter(this);
    active_ = false;
}

bool WheelCapture::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || watched != capture_) return QObject::eventFilter(watched, event);
    const auto* wheel = static_cast<QWheelEvent*>(event);
    // The key-state word of the wheel message: buttons and the Shift and Ctrl keys.
    int shift = 0;
    if (wheel->buttons() & Qt::LeftButton) shift |= 0x01;
    if (wheel->buttons() & Qt::RightButton) shift |= 0x02;
    if (wheel->modifiers() & Qt::ShiftModifier) shift |= 0x04;
    if (wheel->modifiers() & Qt::ControlModifier) shift |= 0x08;
    if (wheel->buttons() & Qt::MiddleButton) shift |= 0x10;
    // A horizontal wheel turns as the vertical one does; a touchpad's pixel
    // deltas arrive as angles too.
    const QPoint angle = wheel->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    const QPoint screen = wheel->globalPosition().toPoint();
    Q_EMIT WheelScroll(shift, delta, screen.x(), screen.y());
    return true;  // swallowed: the widget does not scroll by itself
}

}  // namespace ky::designer
