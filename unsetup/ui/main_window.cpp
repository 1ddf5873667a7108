#include "unsetup/ui/main_window.h"

#include <QApplication>
#include <QMenuBar>

namespace ky::unsetup {

MainWindow::MainWindow(const QString& title) {
    setObjectName(QStringLiteral("Tamsoril"));
    setWindowTitle(title);
    setGeometry(0, 0, 200, 46);
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Exit"), qApp, &QApplication::quit);
    menuBar()->addMenu(QStringLiteral("Edit"));
}

}  // namespace ky::unsetup
