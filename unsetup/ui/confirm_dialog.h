#pragma once
// Asks whether to remove the installation at all.

#include <QDialog>

namespace ky::unsetup {

class ConfirmDialog : public QDialog {
    Q_OBJECT
public:
    // An empty title keeps "Confirm File Deletion".
    ConfirmDialog(const QString& title, const QString& text, QWidget* parent = nullptr);
};

}  // namespace ky::unsetup
