#include "unsetup/ui/removal_windows.h"

#include "unsetup/common_texts.h"
#include "unsetup/exit_status.h"
#include "unsetup/removal.h"
#include "unsetup/ui/confirm_dialog.h"
#include "unsetup/ui/main_window.h"
#include "unsetup/ui/progress_dialog.h"
#include "unsetup/ui/shared_file_dialog.h"
#include "unsetup/ui/threaded_observer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QThread>

#include <memory>

namespace ky::unsetup {

namespace {

void connectProgress(const ThreadedObserver& observer, ProgressDialog& progress) {
    QObject::connect(&observer, &ThreadedObserver::rangeChanged, &progress, &ProgressDialog::setRange, Qt::QueuedConnection);
    QObject::connect(&observer, &ThreadedObserver::advanced, &progress, &ProgressDialog::advance, Qt::QueuedConnection);
    QObject::connect(&observer, &ThreadedObserver::stageCompleted, &progress, &ProgressDialog::markStageDone,
                     Qt::QueuedConnection);
}

}  // namespace

int runRemovalWindows(const SetupLog& log, RemovalActions& actions, const Options& options) {
    MainWindow window(commonText(log, text::mainTitle));
    window.show();
    if (!options.yes) {
        ConfirmDialog confirm(commonText(log, text::confirmTitle), commonText(log, text::confirmText), &window);
        if (confirm.exec() != QDialog::Accepted) return exit_status::somethingLeft;
    }

    ProgressDialog progress(commonText(log, text::progressTitle), commonText(log, text::progressText),
                            applicationName(log),
                            {commonText(log, text::detailsTitle), commonText(log, text::detailsCaption)}, &window);
    ThreadedObserver observer([&progress](const QString& path) { return SharedFileDialog::ask(path, &progress); },
                              [&progress](const QString& title, const QString& message) {
                                  QMessageBox::warning(&progress, title, message);
                              });
    connectProgress(observer, progress);

    RemovalReport report;
    std::unique_ptr<QThread> worker(
        QThread::create([&] { report = Removal(log, actions, observer, options.shared).run(); }));
    // The thread's end is the removal's "finished" message; the report is
    // complete by then.
    QObject::connect(worker.get(), &QThread::finished, &progress, [&] {
        const int outcome = report.failures.empty() ? text::allRemoved : text::someLeft;
        progress.showFinished(commonText(log, outcome), report.failureTexts());
    });
    worker->start();
    progress.exec();
    // The window may have been closed from its menu while the removal still
    // runs; a question it asks must still be answered.
    while (!worker->wait(QDeadlineTimer(50))) QCoreApplication::processEvents();
    return report.everythingRemoved() ? exit_status::allRemoved : exit_status::somethingLeft;
}

}  // namespace ky::unsetup
