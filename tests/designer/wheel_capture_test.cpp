// The wheel of a captured widget arrives as WheelScroll, with the key-state
// word and the screen position, and does not reach the widget.

#include "report/designer/controls/wheel_capture.h"

#include <QSignalSpy>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace ky::designer {
namespace {

class CountingWidget : public QWidget {
public:
    int wheels = 0;

protected:
    void wheelEvent(QWheelEvent* event) override {
        ++wheels;
        event->accept();
    }
};

void turn(QWidget& widget, int delta, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton) {
    QWheelEvent event(QPointF(5, 5), QPointF(105, 205), QPoint(), QPoint(0, delta), buttons, modifiers, Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(&widget, &event);
}

TEST(WheelCapture, ReportsTurnsInsteadOfScrolling) {
    CountingWidget widget;
    WheelCapture capture;
    QSignalSpy scrolls(&capture, &WheelCapture::WheelScroll);
    capture.EnableWheel();  // no widget yet: nothing
    EXPECT_FALSE(capture.active());
    capture.setCapture(&widget);
    capture.EnableWheel();
    turn(widget, -120, Qt::ControlModifier);
    turn(widget, 240, Qt::ShiftModifier, Qt::LeftButton);
    ASSERT_EQ(scrolls.size(), 2);
    EXPECT_EQ(scrolls[0], (QVariantList{0x08, -120, 105, 205}));
    EXPECT_EQ(scrolls[1], (QVariantList{0x05, 240, 105, 205}));
    EXPECT_EQ(widget.wheels, 0) << "swallowed";
    capture.DisableWheel();
    capture.DisableWheel();
    turn(widget, 120, Qt::NoModifier);
    EXPECT_EQ(scrolls.size(), 2);
    EXPECT_EQ(widget.wheels, 1) << "released: the widget scrolls again";
}

}  // namespace
}  // namespace ky::designer
