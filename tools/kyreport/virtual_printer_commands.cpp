// kyreport kyprint-setup: points the registry at the virtual printer's
// configuration file, writing a default one when there is none.

#include "tools/kyreport/command.h"

#include "report/engine/emf/virtual_printer_config.h"

namespace ky::cli {

namespace {

int setUpVirtualPrinter(const QStringList& args, const Output& io) {
    const qsizetype at = args.indexOf(QStringLiteral("--config"));
    if (at >= 0 && at + 1 >= args.size()) {
        io.error(QStringLiteral("usage: kyreport kyprint-setup [--config FILE.ini]"));
        return exitUsage;
    }
    RegistryStore registry(RegistryStore::defaultPath());
    const auto path = ensureDefaultConfiguration(registry, at >= 0 ? args[at + 1] : defaultConfigurationPath());
    if (!path) {
        io.error(path.error());
        return exitFailed;
    }
    io.print(QStringLiteral("kestrow printer: configuration %1, registry %2\n").arg(path.value(), registry.path()));
    return exitOk;
}

}  // namespace

std::vector<Command> virtualPrinterCommands() {
    return {{QStringLiteral("kyprint-setup"), QStringLiteral("kyprint-setup [--config FILE.ini]"),
             QStringLiteral("set up the virtual printer \"kestrow printer\" (keeps an existing configuration)"),
             setUpVirtualPrinter}};
}

}  // namespace ky::cli
