#pragma once
// The window's toolbars: buttons in the order they are added, numbered from 1
// with separators counted, images cut from strips whose mask colour is
// transparent, plain, check, check-group and whole drop-down buttons, and the
// hot-tracking signals the window shows its status texts from.

#include <QImage>
#include <QVariant>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <vector>

class QToolBar;
class QToolButton;

namespace ky::designer {

class QmToolbar : public QWidget {
    Q_OBJECT
public:
    // Button styles, as the toolbar class numbers them.
    enum Style { Button = 0, Separator = 1, Check = 2, CheckGroup = 6, WholeDropDown = 0x80 };
    // The longest tool tip kept.
    static constexpr int kMaxTipLength = 80;

    explicit QmToolbar(QWidget* parent = nullptr);

    // Creates the toolbar once, with images of imageSize × imageSize (device-
    // independent pixels); `list` puts captions beside the images. False
    // when already created.
    bool Initialize(int imageSize, bool flat, bool list, bool divider);
    bool initialized() const { return toolbar_ != nullptr; }

    // Cuts a strip into square images (its height decides their size in
    // pixels, so a strip drawn at twice the size stays sharp at 200 %); the
    // mask colour (or none, -1, as 0x00BBGGRR) becomes transparent. The first
    // new image index, or 0 without a toolbar.
    int AddBitmap(const QImage& strip, int maskColor);
    int AddIcon(const QPixmap& icon);

    // Appends a button; its id is the number of buttons before it plus one.
    void AddButton(const QString& key, const QString& caption, int image, const QString& tip, int style,
                   bool autoSize = true, const QVariant& itemData = {});

    int ToolbarHeight() const;
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }

    // A button argument: a number is the button's id, other text the first
    // button with that key; 0 when none matches.
    int resolve(const QString& button) const;

    QString ButtonKey(const QString& button) const;
    QString ButtonCaption(const QString& button) const;
    void setButtonCaption(const QString& button, const QString& caption);
    int ButtonImage(const QString& button) const;
    void setButtonImage(const QString& button, int image);
    QString ButtonTipText(const QString& button) const;
    void setButtonTipText(const QString& button, const QString& tip);

    bool ButtonEnabled(const QString& button) const;
    void setButtonEnabled(const QString& button, bool enabled);
    bool ButtonChecked(const QString& button) const;
    void setButtonChecked(const QString& button, bool checked);
    bool ButtonPressed(const QString& button) const;
    void setButtonPressed(const QString& button, bool pressed);
    bool ButtonVisible(const QString& button) const;
    void setButtonVisible(const QString& button, bool visible);

    // The widget of a button (null for separators and unknown buttons), for
    // tests and for the window's layout.
    QToolButton* buttonWidget(int id) const;

Q_SIGNALS:
    void ButtonClick(int index, const QString& key);
    void ButtonLeave(int index, const QString& key);
    void ButtonEnter(int index, const QString& key);
    // Where a popup menu hangs below the button: its left and bottom in the
    // coordinates of the window that holds the toolbar.
    void ButtonDropDown(int index, const QString& key, int x, int y);
    void ToolbarLeave();
    void ToolbarEnter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Entry {
        QString key;
        QString caption;
        QString tip;
        int image = -1;
        int style = Button;
        bool autoSize = true;
        QVariant itemData;
        QToolButton* widget = nullptr;  // null for a separator
        bool pressed = false;
    };

    const Entry* entry(const QString& button) const;
    Entry* entry(const QString& button);
    void showImage(Entry& entry);
    void applyAccessibleName(const Entry& entry);
    // The button under the pointer changed: the signals of a hot-item change.
    void setHot(int id);
    void clicked(int id);

    QToolBar* toolbar_ = nullptr;
    int imageSize_ = 16;
    QList<QPixmap> images_;
    std::vector<Entry> buttons_;
    int hot_ = 0;
    bool leaving_ = false;  // a button was left; no other entered yet
};

}  // namespace ky::designer
