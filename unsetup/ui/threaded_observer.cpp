#include "unsetup/ui/threaded_observer.h"

namespace ky::unsetup {

ThreadedObserver::ThreadedObserver(AskSharedFile ask, ShowProblem show) : ask_(std::move(ask)), show_(std::move(show)) {}

void ThreadedObserver::rangeSet(int total) { Q_EMIT rangeChanged(total); }

void ThreadedObserver::entryDone() { Q_EMIT advanced(); }

void ThreadedObserver::stageDone(Stage stage) { Q_EMIT stageCompleted(static_cast<int>(stage)); }

SharedFileAnswer ThreadedObserver::askSharedFile(const QString& path) {
    SharedFileAnswer answer = SharedFileAnswer::No;
    QMetaObject::invokeMethod(this, [this, &path] { return ask_(path); }, Qt::BlockingQueuedConnection, &answer);
    return answer;
}

void ThreadedObserver::problem(const QString& title, const QString& text) {
    QMetaObject::invokeMethod(this, [this, &title, &text] { show_(title, text); }, Qt::BlockingQueuedConnection);
}

}  // namespace ky::unsetup
