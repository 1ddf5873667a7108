#pragma once
// Lists what could not be removed.

#include <QDialog>
#include <QStringList>

namespace ky::unsetup {

class DetailsDialog : public QDialog {
    Q_OBJECT
public:
    DetailsDialog(const QString& title, const QString& caption, const QStringList& failures, QWidget* parent = nullptr);
};

}  // namespace ky::unsetup
