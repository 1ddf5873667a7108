#include "unsetup/program_forms.h"

#include "unsetup/console_removal.h"
#include "unsetup/exit_status.h"
#include "unsetup/library_unregistration.h"
#include "unsetup/system_actions.h"
#include "unsetup/temporary_copy.h"
#include "unsetup/ui/dialog_texts.h"
#include "unsetup/ui/removal_windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>

namespace ky::unsetup {

namespace {

QString ownProgram() { return QCoreApplication::applicationFilePath(); }

// The copy waits for its launcher, works from its own folder, and finds the
// log in the launcher's folder.
QString prepareTemporaryCopy(const CommandLine& line) {
    waitForProcessEnd(line.arguments[1].toLongLong());
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    return logFolderFrom(line.arguments[3]);
}

void removeOwnCopy() {
    RegistryStore registry(RegistryStore::defaultPath());
    if (Status done = deleteOwnCopy(ownProgram(), registry); !done)
        std::fprintf(stderr, "%s\n", qPrintable(done.error()));
}

int removeWithWindows(const QString& logFolder, const Options& options) {
    const auto log = loadSetupLogIn(logFolder);
    if (!log) {
        std::fprintf(stderr, "%s\n", qPrintable(log.error()));
        QMessageBox::critical(nullptr, caption::error, caption::cannotOpenLog);
        return exit_status::logUnreadable;
    }
    SystemActions actions(RegistryStore(RegistryStore::defaultPath()), ownProgram(), logFolder);
    return runRemovalWindows(log.value(), actions, options);
}

int startCopyOfSelf(const Options& options) {
    auto copy = copyToTemporaryFile(ownProgram());
    if (!copy) {
        QMessageBox::warning(nullptr, caption::exceptionTitle, copy.error());
        return exit_status::somethingLeft;
    }
    if (Status started = startTemporaryCopy(copy.value(), ownProgram(), optionArguments(options)); !started) {
        QFile::remove(copy.value());
        QMessageBox::critical(nullptr, caption::error, caption::cannotStartCopy);
        return exit_status::somethingLeft;
    }
    return exit_status::allRemoved;
}

}  // namespace

int runWithoutWindows(const CommandLine& line) {
    switch (line.form) {
    case Form::Unregister:
        return unregisterLoggedLibraries(line.arguments[1]);
    case Form::User:
        // A running program's file can be deleted here, so the removal runs in
        // this process and its exit status reaches the caller.
        return runConsoleRemoval(QCoreApplication::applicationDirPath(), line.options, ownProgram());
    case Form::TemporaryCopy: {
        const int status = runConsoleRemoval(prepareTemporaryCopy(line), line.options, ownProgram());
        removeOwnCopy();
        return status;
    }
    }
    return exit_status::somethingLeft;
}

int runWithWindows(const CommandLine& line) {
    if (line.form != Form::TemporaryCopy) return startCopyOfSelf(line.options);
    const int status = removeWithWindows(prepareTemporaryCopy(line), line.options);
    removeOwnCopy();
    return status;
}

}  // namespace ky::unsetup
