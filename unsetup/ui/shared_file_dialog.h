#pragma once
// Asks whether to remove a shared file that no other installation counts
// any more, with answers for this file or for all that follow.

#include "unsetup/removal.h"

#include <QDialog>

class QDialogButtonBox;

namespace ky::unsetup {

class SharedFileDialog : public QDialog {
    Q_OBJECT
public:
    explicit SharedFileDialog(const QString& path, QWidget* parent = nullptr);
    // Closing the dialog answers No: keeping a file never breaks another program.
    SharedFileAnswer answer() const { return answer_; }

    static SharedFileAnswer ask(const QString& path, QWidget* parent);

private:
    void addAnswer(QDialogButtonBox* buttons, const QString& text, SharedFileAnswer answer);

    SharedFileAnswer answer_ = SharedFileAnswer::No;
};

}  // namespace ky::unsetup
