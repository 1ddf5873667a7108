#pragma once
// The program's own small window that the dialogs belong to.

#include <QMainWindow>

namespace ky::unsetup {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const QString& title);
};

}  // namespace ky::unsetup
