#include "unsetup/ui/shared_file_dialog.h"

#include "unsetup/ui/dialog_texts.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ky::unsetup {

SharedFileDialog::SharedFileDialog(const QString& path, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption::sharedFileTitle);
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(caption::sharedFilePath);
    auto* boxLayout = new QVBoxLayout(box);
    auto* label = new QLabel(path);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    boxLayout->addWidget(label);
    layout->addWidget(box);
    auto* buttons = new QDialogButtonBox;
    addAnswer(buttons, caption::yes, SharedFileAnswer::Yes);
    addAnswer(buttons, caption::yesToAll, SharedFileAnswer::YesToAll);
    addAnswer(buttons, caption::no, SharedFileAnswer::No);
    addAnswer(buttons, caption::noToAll, SharedFileAnswer::NoToAll);
    layout->addWidget(buttons);
}

void SharedFileDialog::addAnswer(QDialogButtonBox* buttons, const QString& text, SharedFileAnswer answer) {
    QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
    connect(button, &QPushButton::clicked, this, [this, answer] {
        answer_ = answer;
        accept();
    });
}

SharedFileAnswer SharedFileDialog::ask(const QString& path, QWidget* parent) {
    SharedFileDialog dialog(path, parent);
    dialog.exec();
    return dialog.answer();
}

}  // namespace ky::unsetup
