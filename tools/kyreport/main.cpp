// kyreport: renders, inspects and registers reports from the command line.

#include "tools/kyreport/command.h"

#include "platform/qt_warnings.h"
#include "report/engine/qt/project_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

using namespace ky::cli;

namespace {

std::vector<Command> allCommands() {
    std::vector<Command> commands = registrationCommands();
    for (auto& c : templateCommands()) commands.push_back(std::move(c));
    for (auto& c : dataCommands()) commands.push_back(std::move(c));
    for (auto& c : expressionCommands()) commands.push_back(std::move(c));
    for (auto& c : dumpCommands()) commands.push_back(std::move(c));
    for (auto& c : virtualPrinterCommands()) commands.push_back(std::move(c));
    for (auto& c : outputCommands()) commands.push_back(std::move(c));
    return commands;
}

void printHelp(const std::vector<Command>& commands, const Output& io) {
    QString text = QStringLiteral(
        "usage: kyreport COMMAND [ARGS]\n\n"
        "The registry store is the file named by KY_REGISTRY (default: a per-user file).\n\n"
        "Commands:\n");
    for (const auto& c : commands) text += QStringLiteral("  %1\n      %2\n").arg(c.usage, c.summary);
    text += QStringLiteral("  --help\n      show this help\n");
    io.print(text);
}

// The command named on the command line, before Qt reads it.
const Command* commandNamed(const std::vector<Command>& commands, int argc, char** argv) {
    if (argc < 2) return nullptr;
    const QString name = QString::fromLocal8Bit(argv[1]);
    for (const auto& c : commands)
        if (c.name == name) return &c;
    return nullptr;
}

std::unique_ptr<QCoreApplication> applicationFor(const Command* command, int& argc, char** argv) {
    if (!command || !command->gui) return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session (a script, a service) Qt warns about its runtime folder: give it a private one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray folder = QDir::tempPath().toLocal8Bit() + "/kyreport-runtime-" + QByteArray::number(getuid());
        if (::mkdir(folder.constData(), 0700) == 0 || errno == EEXIST) qputenv("XDG_RUNTIME_DIR", folder);
    }
    // Fonts are looked up from here on: the Chinese faces of templates map to Noto CJK.
    ky::useProjectFonts();
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    // Every command says in its own words what went wrong.
    ky::hideQtWarningsUnlessDebugging();
    const auto commands = allCommands();
    const auto app = applicationFor(commandNamed(commands, argc, argv), argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const Output io;
    if (args.isEmpty() || args.front() == QStringLiteral("--help") || args.front() == QStringLiteral("-h") ||
        args.front() == QStringLiteral("help")) {
        printHelp(commands, io);
        return args.isEmpty() ? exitUsage : exitOk;
    }
    const QString name = args.takeFirst();
    for (const auto& c : commands)
        if (c.name == name) return c.run(args, io);
    io.error(QStringLiteral("kyreport: unknown command '%1'; see kyreport --help").arg(name));
    return exitUsage;
}
