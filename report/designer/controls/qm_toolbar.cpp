#include "report/designer/controls/qm_toolbar.h"

#include <QEnterEvent>
#include <QResizeEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace ky::designer {

namespace {

// A template colour number (0x00BBGGRR) as the mask colour of a strip.
QRgb maskRgb(int color) { return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

bool isNumber(const QString& text) {
    bool ok = false;
    static_cast<void>(text.toInt(&ok));
    return ok;
}

}  // namespace

QmToolbar::QmToolbar(QWidget* parent) : QWidget(parent) {}

bool QmToolbar::Initialize(int imageSize, bool flat, bool list, bool divider) {
    if (toolbar_) return false;
    imageSize_ = std::max(1, imageSize);
    toolbar_ = new QToolBar(this);
    toolbar_->setIconSize(QSize(imageSize_, imageSize_));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setProperty("flat", flat);
    toolbar_->setProperty("list", list);
    // Without a divider the toolbar draws no line above itself.
    if (!divider) toolbar_->setStyleSheet(QStringLiteral("QToolBar { border: none; }"));
    toolbar_->setGeometry(rect());
    toolbar_->installEventFilter(this);
    installEventFilter(this);
    toolbar_->show();
    return true;
}

int QmToolbar::AddBitmap(const QImage& strip, int maskColor) {
    if (!toolbar_ || strip.isNull() || strip.height() <= 0) return 0;
    QImage image = strip.convertToFormat(QImage::Format_ARGB32);
    if (maskColor >= 0) {
        const QRgb mask = maskRgb(maskColor);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFF) == (mask & 0xFFFFFF)) line[x] = 0;
        }
    }
    const int side = image.height();
    const int first = static_cast<int>(images_.size());
    for (int x = 0; x + side <= image.width(); x += side) {
        QPixmap pixmap = QPixmap::fromImage(image.copy(x, 0, side, side));
        pixmap.setDevicePixelRatio(static_cast<double>(side) / imageSize_);
        images_.push_back(pixmap);
    }
    return first;
}

int QmToolbar::AddIcon(const QPixmap& icon) {
    if (!toolbar_ || icon.isNull()) return 0;
    images_.push_back(icon);
    return static_cast<int>(images_.size()) - 1;
}

void QmToolbar::AddButton(const QString& key, const QString& caption, int image, const QString& tip, int style,
                          bool autoSize, const QVariant& itemData) {
    Entry entry{key, caption, tip.left(kMaxTipLength), image, style, autoSize && style != Separator, itemData};
    const int id = static_cast<int>(buttons_.size()) + 1;
    if (toolbar_ && style == Separator) {
        toolbar_->addSeparator();
    } else if (toolbar_) {
        auto* button = new QToolButton(toolbar_);
        button->setAutoRaise(toolbar_->property("flat").toBool());
        button->setCheckable(style == Check || style == CheckGroup);
        button->setText(caption);
        button->setToolTip(entry.tip);
        button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                   : toolbar_->property("list").toBool() ? Qt::ToolButtonTextBesideIcon
                                                                         : Qt::ToolButtonTextUnderIcon);
        button->setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this, id] { clicked(id); });
        toolbar_->addWidget(button);
        entry.widget = button;
    }
    buttons_.push_back(std::move(entry));
    showImage(buttons_.back());
    applyAccessibleName(buttons_.back());
}

int QmToolbar::ToolbarHeight() const { return toolbar_ ? toolbar_->sizeHint().height() : 0; }

int QmToolbar::resolve(const QString& button) const {
    if (isNumber(button)) {
        const int id = button.toInt();
        return id >= 1 && id <= ButtonCount() ? id : 0;
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i].key == button) return static_cast<int>(i) + 1;
    return 0;
}

const QmToolbar::Entry* QmToolbar::entry(const QString& button) const {
    const int id = resolve(button);
    return id ? &buttons_[static_cast<std::size_t>(id - 1)] : nullptr;
}

QmToolbar::Entry* QmToolbar::entry(const QString& button) {
    return const_cast<Entry*>(static_cast<const QmToolbar*>(this)->entry(button));
}

QToolButton* QmToolbar::buttonWidget(int id) const {
    return id >= 1 && id <= ButtonCount() ? buttons_[static_cast<std::size_t>(id - 1)].widget : nullptr;
}

QString QmToolbar::ButtonKey(const QString& button) const {
    const Entry* e = entry(button);
    return e ? e->key : QString();
}

QString QmToolbar::ButtonCaption(const QString& button) const {
    const Entry* e = entry(button);
    return e ? e->caption : QString();
}

void QmToolbar::setButtonCaption(const QString& button, const QString& caption) {
    Entry* e = entry(button);
    if (!e || !toolbar_) return;
    e->caption = caption;
    if (e->widget) e->widget->setText(caption);
    applyAccessibleName(*e);
}

int QmToolbar::ButtonImage(const QString& button) const {
    const Entry* e = entry(button);
    return e ? e->image : -1;
}

void QmToolbar::setButtonImage(const QString& button, int image) {
    Entry* e = entry(button);
    if (!e || !toolbar_) return;
    e->image = image;
    showImage(*e);
}

QString QmToolbar::ButtonTipText(const QString& button) const {
    const Entry* e = entry(button);
    return e ? e->tip : QString();
}

void QmToolbar::setButtonTipText(const QString& button, const QString& tip) {
    Entry* e = entry(button);
    if (!e || !toolbar_) return;
    e->tip = tip.left(kMaxTipLength);
    if (e->widget) e->widget->setToolTip(e->tip);
    applyAccessibleName(*e);
}

bool QmToolbar::ButtonEnabled(const QString& button) const {
    const Entry* e = entry(button);
    return e && e->widget && e->widget->isEnabled();
}

void QmToolbar::setButtonEnabled(const QString& button, bool enabled) {
    const Entry* e = entry(button);
    if (e && e->widget) e->widget->setEnabled(enabled);
}

bool QmToolbar::ButtonChecked(const QString& button) const {
    const Entry* e = entry(button);
    return e && e->widget && e->widget->isChecked();
}

void QmToolbar::setButtonChecked(const QString& button, bool checked) {
    const Entry* e = entry(button);
    if (!e || !e->widget) return;
    // The state is set whatever the style, as the toolbar's message does.
    if (!e->widget->isCheckable()) {
        e->widget->setCheckable(true);
        e->widget->setChecked(checked);
        if (!checked) e->widget->setCheckable(false);
        return;
    }
    e->widget->setChecked(checked);
}

bool QmToolbar::ButtonPressed(const QString& button) const {
    const Entry* e = entry(button);
    return e && e->widget && (e->pressed || e->widget->isDown());
}

void QmToolbar::setButtonPressed(const QString& button, bool pressed) {
    Entry* e = entry(button);
    if (!e || !e->widget) return;
    e->pressed = pressed;
    e->widget->setDown(pressed);
}

bool QmToolbar::ButtonVisible(const QString& button) const {
    const Entry* e = entry(button);
    return e && e->widget && !e->widget->isHidden();
}

void QmToolbar::setButtonVisible(const QString& button, bool visible) {
    const Entry* e = entry(button);
    if (e && e->widget) e->widget->setVisible(visible);
}

void QmToolbar::showImage(Entry& e) {
    if (!e.widget) return;
    const bool known = e.image >= 0 && e.image < images_.size();
    e.widget->setIcon(known ? QIcon(images_[e.image]) : QIcon());
}

// A button without a caption is known by its tip, as a screen reader or a
// test tool looks buttons up by name.
void QmToolbar::applyAccessibleName(const Entry& e) {
    if (e.widget) e.widget->setAccessibleName(e.caption.isEmpty() ? e.tip : e.caption);
}

void QmToolbar::setHot(int id) {
    if (id == hot_) return;
    if (hot_) {
        Q_EMIT ButtonLeave(hot_, buttons_[static_cast<std::size_t>(hot_ - 1)].key);
    } else if (id) {
        Q_EMIT ToolbarEnter();
    }
    hot_ = id;
    if (id) Q_EMIT ButtonEnter(id, buttons_[static_cast<std::size_t>(id - 1)].key);
    else Q_EMIT ToolbarLeave();
}

// A check-group button stays down when clicked again, and lets the other
// buttons of its group (its neighbours up to a separator) up.
void QmToolbar::clicked(int id) {
    Entry& e = buttons_[static_cast<std::size_t>(id - 1)];
    if (e.style == WholeDropDown) {
        const QPoint corner = e.widget->mapTo(window(), e.widget->rect().bottomLeft() + QPoint(0, 1));
        Q_EMIT ButtonDropDown(id, e.key, corner.x(), corner.y());
        return;
    }
    if (e.style == CheckGroup) {
        e.widget->setChecked(true);
        const auto groupMember = [&](std::size_t i) { return buttons_[i].style == CheckGroup; };
        for (std::size_t i = static_cast<std::size_t>(id); i < buttons_.size() && groupMember(i); ++i)
            buttons_[i].widget->setChecked(false);
        for (std::size_t i = static_cast<std::size_t>(id - 1); i-- > 0 && groupMember(i);) buttons_[i].widget->setChecked(false);
    }
    Q_EMIT ButtonClick(id, e.key);
}

// Hot tracking: a button under the pointer is hot when it is enabled. The
// pointer going from one button to the next leaves one and enters the other
// (one change of the hot button, as the toolbar reports it); leaving a button
// for the toolbar's background, or leaving the toolbar, leaves none hot.
bool QmToolbar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter && watched != this && watched != toolbar_) {
        leaving_ = false;
        int id = 0;
        for (std::size_t i = 0; i < buttons_.size(); ++i)
            if (buttons_[i].widget == watched && buttons_[i].widget->isEnabled()) id = static_cast<int>(i) + 1;
        setHot(id);
    } else if (event->type() == QEvent::Leave && (watched == this || watched == toolbar_)) {
        leaving_ = false;
        setHot(0);
    } else if (event->type() == QEvent::Leave) {
        // Settled once the events of this move are through: the next button's
        // enter, when there is one, comes right after.
        leaving_ = true;
        QTimer::singleShot(0, this, [this] {
            if (!leaving_) return;
            leaving_ = false;
            setHot(0);
        });
    }
    return QWidget::eventFilter(watched, event);
}

void QmToolbar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (toolbar_) toolbar_->setGeometry(rect());
}

}  // namespace ky::designer
