#include "report/designer/controls/qm_status_bar.h"

#include <QLabel>
#include <QResizeEvent>

namespace ky::designer {

namespace {

constexpr double kTwipsPerInch = 1440;

QLabel* caption(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

QmStatusBar::QmStatusBar(QWidget* parent)
    : QWidget(parent), left_(caption(this, "leftCaption")), center_(caption(this, "centerCaption")),
      right_(caption(this, "rightCaption")) {}

int QmStatusBar::margin() const { return qRound(kMarginTwips * logicalDpiX() / kTwipsPerInch); }

void QmStatusBar::setCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    label->adjustSize();
    place();
}

void QmStatusBar::setLeftCaption(const QString& text) { setCaption(left_, text); }
void QmStatusBar::setCenterCaption(const QString& text) { setCaption(center_, text); }
void QmStatusBar::setRightCaption(const QString& text) { setCaption(right_, text); }
QString QmStatusBar::leftCaption() const { return left_->text(); }
QString QmStatusBar::centerCaption() const { return center_->text(); }
QString QmStatusBar::rightCaption() const { return right_->text(); }

QSize QmStatusBar::sizeHint() const {
    return {QWidget::sizeHint().width(), fontMetrics().height() + 2 * margin()};
}

void QmStatusBar::place() {
    const int m = margin();
    left_->move(m, m);
    center_->move((width() - center_->width()) / 2, m);
    right_->move(width() - m - right_->width(), m);
}

void QmStatusBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

}  // namespace ky::designer
