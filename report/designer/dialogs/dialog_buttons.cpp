#include "report/designer/dialogs/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace ky::designer {

QDialogButtonBox* okCancelButtons(QDialog* dialog, const QString& ok, const QString& cancel) {
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace ky::designer
