#include "unsetup/console_removal.h"

#include "unsetup/dry_run_actions.h"
#include "unsetup/exit_status.h"
#include "unsetup/system_actions.h"

#include <QDir>
#include <QTextStream>

#include <cstdio>

namespace ky::unsetup {

namespace {

class ConsoleObserver : public RemovalObserver {
public:
    ConsoleObserver(QTextStream& out, bool dryRun) : out_(out), dryRun_(dryRun) {}

    void rangeSet(int) override {}
    void entryDone() override {}
    void stageDone(Stage) override {}
    // No one to ask: a shared file nothing else uses stays unless --shared
    // said otherwise, the choice that cannot break another program.
    SharedFileAnswer askSharedFile(const QString& path) override {
        if (dryRun_) out_ << "ask whether to remove shared file " << path << " (kept in this listing)\n";
        return SharedFileAnswer::No;
    }
    void problem(const QString& title, const QString& text) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }

private:
    QTextStream& out_;
    bool dryRun_;
};

}  // namespace

int runConsoleRemoval(const QString& logFolder, const Options& options, const QString& ownProgram) {
    const auto log = loadSetupLogIn(logFolder);
    if (!log) {
        std::fprintf(stderr, "Can't open log file: %s\n", qPrintable(log.error()));
        return exit_status::logUnreadable;
    }
    if (!options.yes && !options.dryRun) {
        std::fprintf(stderr, "--quiet removes only when confirmed with --yes\n");
        return exit_status::somethingLeft;
    }
    QTextStream out(stdout);
    ConsoleObserver observer(out, options.dryRun);
    RegistryStore registry(RegistryStore::defaultPath());
    RemovalReport report;
    if (options.dryRun) {
        auto tree = registry.read();
        if (!tree) std::fprintf(stderr, "%s\n", qPrintable(tree.error()));
        DryRunActions actions(tree ? std::move(tree).value() : RegistryTree(), out);
        report = Removal(log.value(), actions, observer, options.shared).run();
    } else {
        SystemActions actions(registry, ownProgram, logFolder);
        report = Removal(log.value(), actions, observer, options.shared).run();
    }
    out.flush();
    std::fputs(qPrintable(reportText(report)), stderr);
    return report.everythingRemoved() ? exit_status::allRemoved : exit_status::somethingLeft;
}

}  // namespace ky::unsetup
