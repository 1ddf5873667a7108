#pragma once
// The removal's observer when the removal runs on a thread of its own: every
// report becomes a queued signal to the window thread, and a question waits
// for its answer there. The removal never touches a widget.

#include "unsetup/removal.h"

#include <QObject>
#include <QStringList>

#include <functional>

namespace ky::unsetup {

class ThreadedObserver : public QObject, public RemovalObserver {
    Q_OBJECT
public:
    using AskSharedFile = std::function<SharedFileAnswer(const QString& path)>;
    using ShowProblem = std::function<void(const QString& title, const QString& text)>;

    // Lives on the window thread; `ask` and `show` run there.
    ThreadedObserver(AskSharedFile ask, ShowProblem show);

    void rangeSet(int total) override;
    void entryDone() override;
    void stageDone(Stage stage) override;
    SharedFileAnswer askSharedFile(const QString& path) override;
    void problem(const QString& title, const QString& text) override;

Q_SIGNALS:
    void rangeChanged(int total);
    void advanced();
    void stageCompleted(int stage);

private:
    AskSharedFile ask_;
    ShowProblem show_;
};

}  // namespace ky::unsetup
