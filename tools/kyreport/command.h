#pragma once
// A kyreport subcommand: its name, one line of help, and what it runs.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <vector>

namespace ky::cli {

struct Output {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    void print(const QString& text) const { std::fputs(text.toLocal8Bit().constData(), out); }
    void error(const QString& text) const { std::fputs((text + u'\n').toLocal8Bit().constData(), err); }
    void write(const QByteArray& bytes) const { std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), out); }
};

struct Command {
    QString name;
    QString usage;
    QString summary;
    std::function<int(const QStringList& args, const Output& io)> run;
    // Commands that measure fonts or read pictures need a GUI application
    // (the offscreen platform when there is no display).
    bool gui = false;
};

// A command's help line from its usage message: "usage: kyreport X ARGS"
// gives "X ARGS", as the help lists the commands.
inline QString helpLine(const QString& usage) { return usage.mid(QStringView(u"usage: kyreport ").size()); }

// Exit codes: 0 success, 1 the work failed, 2 the command line was wrong or
// the input is not a template that loads.
inline constexpr int exitOk = 0, exitFailed = 1, exitUsage = 2;

std::vector<Command> registrationCommands();
std::vector<Command> templateCommands();
std::vector<Command> dataCommands();
std::vector<Command> expressionCommands();
std::vector<Command> dumpCommands();
std::vector<Command> virtualPrinterCommands();
std::vector<Command> outputCommands();

}  // namespace ky::cli
