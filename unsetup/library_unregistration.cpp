#include "unsetup/library_unregistration.h"

#include "unsetup/log_entries.h"
#include "unsetup/setup_log.h"

#include "platform/com_object.h"

#include <QDir>
#include <QFile>

#include <dlfcn.h>

#include <cstdio>

namespace ky::unsetup {

namespace {

// Loading a file that is not a shared object would fail anyway; checking
// first keeps dlopen away from whatever else the path holds.
Status checkLoadable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    if (file.read(4) != QByteArrayView("\x7F" "ELF")) return fail(QStringLiteral("%1 is not a library").arg(path));
    return {};
}

class CurrentFolderKeeper {
public:
    CurrentFolderKeeper() : folder_(QDir::currentPath()) {}
    ~CurrentFolderKeeper() { QDir::setCurrent(folder_); }
    CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
    CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

private:
    QString folder_;
};

}  // namespace

Status unregisterLibrary(const QString& path) {
    const CurrentFolderKeeper keeper;
    if (Status loadable = checkLoadable(path); !loadable) return loadable;
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return fail(QStringLiteral("cannot load %1: %2").arg(path, QString::fromLocal8Bit(dlerror())));
    const auto unregisterServer =
        reinterpret_cast<com::UnregisterServerFunction>(dlsym(handle, "DllUnregisterServer"));
    const HResult result = unregisterServer ? unregisterServer() : hresult::ok;
    dlclose(handle);
    // Any success code will do, as with every HRESULT.
    if (result < 0)
        return fail(QStringLiteral("DllUnregisterServer of %1 failed with 0x%2").arg(path).arg(static_cast<quint32>(result), 8, 16, QChar(u'0')));
    return {};
}

int unregisterLoggedLibraries(const QString& logFolder) {
    const auto log = loadSetupLogIn(logFolder);
    if (!log) {
        std::fprintf(stderr, "%s\n", qPrintable(log.error()));
        return 0;
    }
    const int count = log->entryCount(section::libraries);
    for (int i = 0; i < count; ++i) {
        auto path = readPathEntry(log->entry(section::libraries, i));
        const Status done = path ? unregisterLibrary(path.value()) : Status(fail(path.error()));
        if (!done) std::fprintf(stderr, "%s\n", qPrintable(done.error()));
    }
    return 0;
}

}  // namespace ky::unsetup
