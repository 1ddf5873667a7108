// kyreport register | unregister | classes: the component's registration
// against the registry store named by KY_REGISTRY.

#include "tools/kyreport/command.h"

#include "platform/component_runtime.h"
#include "platform/registry_store.h"

#include <QCoreApplication>
#include <QDir>

namespace ky::cli {

namespace {

const QString kLibraryName = QStringLiteral("libKy_Report.so");

// --library PATH, or the library beside kyreport.
QString libraryPath(const QStringList& args) {
    const qsizetype at = args.indexOf(QStringLiteral("--library"));
    if (at >= 0 && at + 1 < args.size()) return args[at + 1];
    return QDir(QCoreApplication::applicationDirPath()).filePath(kLibraryName);
}

int callEntryPoint(const QStringList& args, const Output& io, bool registering) {
    auto library = com::ComponentLibrary::open(libraryPath(args));
    if (!library) {
        io.error(library.error());
        return exitFailed;
    }
    const HResult hr = registering ? library.value()->registerServer() : library.value()->unregisterServer();
    if (hr != hresult::ok) {
        io.error(QStringLiteral("%1 failed (error 0x%2)")
                     .arg(registering ? QStringLiteral("DllRegisterServer") : QStringLiteral("DllUnregisterServer"))
                     .arg(static_cast<quint32>(hr), 8, 16, QLatin1Char('0')));
        return exitFailed;
    }
    io.print(QStringLiteral("%1 %2 in %3\n")
                 .arg(registering ? QStringLiteral("registered") : QStringLiteral("unregistered"), library.value()->path(),
                      RegistryStore::defaultPath()));
    return exitOk;
}

int listClasses(const QStringList&, const Output& io) {
    auto registry = RegistryStore(RegistryStore::defaultPath()).read();
    if (!registry) {
        io.error(registry.error());
        return exitFailed;
    }
    for (const auto& entry : com::registeredClasses(registry.value()))
        io.print(QStringLiteral("%1\t%2\t%3\n").arg(entry.progId, entry.clsid.toBracedString(), entry.libraryPath));
    return exitOk;
}

}  // namespace

std::vector<Command> registrationCommands() {
    return {
        {QStringLiteral("register"), QStringLiteral("register [--library PATH]"),
         QStringLiteral("register the component's classes (DllRegisterServer)"),
         [](const QStringList& args, const Output& io) { return callEntryPoint(args, io, true); }},
        {QStringLiteral("unregister"), QStringLiteral("unregister [--library PATH]"),
         QStringLiteral("remove the component's classes (DllUnregisterServer)"),
         [](const QStringList& args, const Output& io) { return callEntryPoint(args, io, false); }},
        {QStringLiteral("classes"), QStringLiteral("classes"),
         QStringLiteral("list registered ProgIDs with their CLSIDs and libraries"), listClasses},
    };
}

}  // namespace ky::cli
