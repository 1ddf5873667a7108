#include "unsetup/ui/confirm_dialog.h"

#include "unsetup/ui/dialog_texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ky::unsetup {

ConfirmDialog::ConfirmDialog(const QString& title, const QString& text, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title.isEmpty() ? caption::confirmTitle : title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setMinimumWidth(320);
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(caption::yes, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(caption::no, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace ky::unsetup
