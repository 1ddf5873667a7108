// unsetup: removes an installation as its Setup.log says.
#include "platform/qt_warnings.h"
#include "unsetup/command_line.h"
#include "unsetup/exit_status.h"
#include "unsetup/program_forms.h"
#include "unsetup/ui/dialog_texts.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>
#include <new>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The last word on anything the forms did not handle: say it where the user
// looks, in a box or on standard error.
int reportUnexpected(bool windows, const QString& title, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    if (windows) QMessageBox::warning(nullptr, title, text);
    return ky::unsetup::exit_status::somethingLeft;
}

template <class Application, class Run>
int runGuarded(int& argc, char** argv, bool windows, Run run) {
    Application application(argc, argv);
    using namespace ky::unsetup;
    try {
        return run();
    } catch (const std::bad_alloc&) {
        return reportUnexpected(windows, caption::error, caption::outOfMemory);
    } catch (const std::exception& error) {
        return reportUnexpected(windows, caption::exceptionTitle, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        return reportUnexpected(windows, caption::error, caption::unknown);
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace ky::unsetup;
    ky::hideQtWarningsUnlessDebugging();
    const auto line = readCommandLine(argumentsOf(argc, argv));
    if (!line) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(line.error()), qPrintable(kUsage.toString()));
        return exit_status::logUnreadable;
    }
    if (!needsWindows(line.value()))
        return runGuarded<QCoreApplication>(argc, argv, false, [&] { return runWithoutWindows(line.value()); });
    return runGuarded<QApplication>(argc, argv, true, [&] { return runWithWindows(line.value()); });
}
