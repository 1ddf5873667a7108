#pragma once
// The command line: its form follows from the number of arguments (the
// program's path included); arguments starting with "--" are options and do
// not count.
//
//   1 or 3 arguments   the user's form: copy the program and start the copy
//   2 arguments        unregister the log's libraries; the log folder is the second
//   4 or more          the copy: launcher's process id, path and folder follow

#include "unsetup/removal.h"

#include "platform/result.h"

#include <QStringList>

namespace ky::unsetup {

enum class Form { User, Unregister, TemporaryCopy };

struct Options {
    bool yes = false;
    bool dryRun = false;
    bool quiet = false;
    SharedFilePolicy shared = SharedFilePolicy::Ask;
};

struct CommandLine {
    Form form = Form::User;
    QStringList arguments;  // without the options, the program's path first
    Options options;
};

inline constexpr QStringView kUsage =
    u"usage: unsetup [--yes] [--shared=keep|remove] [--dry-run] [--quiet]\n"
    u"removes the installation whose Setup.log lies beside the program";

Result<CommandLine> readCommandLine(const QStringList& arguments);
// The options as arguments again, to hand them to the temporary copy.
QStringList optionArguments(const Options& options);

}  // namespace ky::unsetup
