#pragma once
// Captures the mouse wheel of a widget and reports each turn as `WheelScroll`
// instead of letting the widget scroll: the window decides what a turn does
// (scroll the page, page through the preview, zoom).

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace ky::designer {

class WheelCapture : public QObject {
    Q_OBJECT
public:
    explicit WheelCapture(QObject* parent = nullptr) : QObject(parent) {}
    ~WheelCapture() override { DisableWheel(); }

    // The widget whose wheel is captured (hWndCapture).
    void setCapture(QWidget* widget);
    QWidget* capture() const { return capture_; }

    // Starts capturing, when a widget is set; stops. Both do nothing twice.
    void EnableWheel();
    void DisableWheel();
    bool active() const { return active_; }

Q_SIGNALS:
    // Shift: the key-state word (0x01 left button, 0x02 right button, 0x04
    // Shift, 0x08 Ctrl, 0x10 middle button); zDelta: the signed turn, 120 a
    // notch; X, Y: the pointer on the screen.
    void WheelScroll(int shift, int zDelta, int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> capture_;
    bool active_ = false;
};

}  // namespace ky::designer
