#pragma once
// The window's status line: three captions, left, centre and right, each a
// label whose accessible name is its text (a screen reader, or a test tool,
// reads the status from the labels).

#include <QWidget>

class QLabel;

namespace ky::designer {

class QmStatusBar : public QWidget {
    Q_OBJECT
public:
    // The captions' distance from the top and from the sides: 45 twips.
    static constexpr int kMarginTwips = 45;

    explicit QmStatusBar(QWidget* parent = nullptr);

    void setLeftCaption(const QString& text);
    void setCenterCaption(const QString& text);
    void setRightCaption(const QString& text);

    QString leftCaption() const;
    QString centerCaption() const;
    QString rightCaption() const;

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setCaption(QLabel* label, const QString& text);
    // Places the three labels: left and right at the margin, the centre one centred.
    void place();
    int margin() const;

    QLabel* left_;
    QLabel* center_;
    QLabel* right_;
};

}  // namespace ky::designer
