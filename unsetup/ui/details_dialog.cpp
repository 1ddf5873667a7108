#include "unsetup/ui/details_dialog.h"

#include "unsetup/ui/dialog_texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ky::unsetup {

DetailsDialog::DetailsDialog(const QString& title, const QString& captionText, const QStringList& failures,
                             QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(captionText);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* list = new QListWidget;
    list->addItems(failures);
    list->setMinimumSize(420, 160);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(caption::ok, QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace ky::unsetup
