#pragma once
// The general input box: a prompt ("请输入新值" until one is given), a text
// box with an optional default and password character, "确定&O" and
// "取消&C". Afterwards `ReturnValue` holds the typed text and `Cancel` says
// whether the box was left with "取消".

#include <QDialog>

class QLabel;
class QLineEdit;

namespace ky::designer {

class InputBox : public QDialog {
    Q_OBJECT
public:
    explicit InputBox(QWidget* parent = nullptr);

    // Sets the box up and shows it modally.
    void ShowAct(const QString& prompt, const QString& title, const QString& defaultText = {},
                 const QString& passwordChar = {});
    // Sets the box up without showing it (ShowAct's first half; for tests).
    void prepare(const QString& prompt, const QString& title, const QString& defaultText = {},
                 const QString& passwordChar = {});

    QString ReturnValue() const { return value_; }
    bool Cancel() const { return cancel_; }

    QLabel* promptLabel() const { return prompt_; }
    QLineEdit* textBox() const { return text_; }

    void accept() override;
    void reject() override;

private:
    QLabel* prompt_;
    QLineEdit* text_;
    QString value_;
    bool cancel_ = true;
};

}  // namespace ky::designer
