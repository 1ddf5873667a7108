#include "report/designer/dialogs/input_box.h"

#include "report/designer/dialogs/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ky::designer {

InputBox::InputBox(QWidget* parent)
    : QDialog(parent), prompt_(new QLabel(QStringLiteral("请输入新值"))), text_(new QLineEdit) {
    prompt_->setWordWrap(true);
    prompt_->setBuddy(text_);
    auto* buttons = okCancelButtons(this, QStringLiteral("确定&O"), QStringLiteral("取消&C"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(text_);
    layout->addWidget(buttons);
}

void InputBox::prepare(const QString& prompt, const QString& title, const QString& defaultText,
                       const QString& passwordChar) {
    if (!prompt.isEmpty()) prompt_->setText(prompt);
    text_->setAccessibleName(prompt_->text());
    setWindowTitle(title);
    text_->setText(defaultText);
    text_->selectAll();
    // Any password character hides the text; the platform draws its own.
    text_->setEchoMode(passwordChar.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
    value_.clear();
    cancel_ = true;
}

void InputBox::ShowAct(const QString& prompt, const QString& title, const QString& defaultText,
                       const QString& passwordChar) {
    prepare(prompt, title, defaultText, passwordChar);
    exec();
}

void InputBox::accept() {
    value_ = text_->text();
    cancel_ = false;
    QDialog::accept();
}

void InputBox::reject() {
    value_ = text_->text();
    cancel_ = true;
    QDialog::reject();
}

}  // namespace ky::designer
