#include "unsetup/command_line.h"

namespace ky::unsetup {

namespace {

Form formFor(qsizetype argumentCount) {
    if (argumentCount == 2) return Form::Unregister;
    if (argumentCount >= 4) return Form::TemporaryCopy;
    return Form::User;
}

Status readOption(const QString& option, Options& options) {
    if (option == u"--yes") {
        options.yes = true;
    } else if (option == u"--dry-run") {
        options.dryRun = true;
    } else if (option == u"--quiet") {
        options.quiet = true;
    } else if (option == u"--shared=keep") {
        options.shared = SharedFilePolicy::Keep;
    } else if (option == u"--shared=remove") {
        options.shared = SharedFilePolicy::Remove;
    } else {
        return fail(QStringLiteral("unknown option %1").arg(option));
    }
    return {};
}

}  // namespace

Result<CommandLine> readCommandLine(const QStringList& arguments) {
    CommandLine line;
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QStringLiteral("--"))) {
            line.arguments.append(argument);
        } else if (Status read = readOption(argument, line.options); !read) {
            return fail(read.error());
        }
    }
    if (line.arguments.isEmpty()) return fail(QStringLiteral("no program path"));
    line.form = formFor(line.arguments.size());
    return line;
}

QStringList optionArguments(const Options& options) {
    QStringList arguments;
    if (options.yes) arguments.append(QStringLiteral("--yes"));
    if (options.dryRun) arguments.append(QStringLiteral("--dry-run"));
    if (options.quiet) arguments.append(QStringLiteral("--quiet"));
    if (options.shared == SharedFilePolicy::Keep) arguments.append(QStringLiteral("--shared=keep"));
    if (options.shared == SharedFilePolicy::Remove) arguments.append(QStringLiteral("--shared=remove"));
    return arguments;
}

}  // namespace ky::unsetup
