// setup_log_writer: records what an installation changes, so that the
// installed unsetup can remove exactly that.
//
//   setup_log_writer before WORK PREFIX
//       keeps in WORK the folders under PREFIX and the registry (KY_REGISTRY)
//   setup_log_writer after WORK PREFIX MANIFEST LIBRARY
//       writes PREFIX/Setup.log: the manifest's files, the folders and the
//       registry entries that are new since "before", the registered library

#include "tools/setup_log_writer/installation_log.h"

#include "unsetup/setup_log.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

using namespace ky;

constexpr int kExitFailed = 1, kExitUsage = 2;

constexpr const char* kUsage =
    "usage: setup_log_writer before WORK PREFIX\n"
    "       setup_log_writer after WORK PREFIX MANIFEST LIBRARY\n";

const QString kFoldersFile = QStringLiteral("folders-before.txt");
const QString kRegistryFile = QStringLiteral("registry-before.reg");

QString cleanAbsolute(const QString& path) { return QDir::cleanPath(QDir(path).absolutePath()); }

Status writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return {};
}

// One path a line.
Result<QStringList> readPathList(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    QStringList paths;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty()) paths.append(QDir::cleanPath(QFile::decodeName(line)));
    paths.removeDuplicates();
    return paths;
}

Status recordBefore(const QDir& work, const QString& prefix) {
    QByteArray folders;
    // The folders above the prefix that exist, the prefix and all below it.
    for (QString folder = prefix;; folder = QFileInfo(folder).path()) {
        if (QFileInfo(folder).isDir()) folders += QFile::encodeName(folder) + '\n';
        if (folder == QFileInfo(folder).path()) break;  // "/"
    }
    if (QFileInfo(prefix).isDir()) {
        // Symbolic links are listed, never followed.
        QDirIterator it(prefix, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) folders += QFile::encodeName(it.next()) + '\n';
    }
    if (Status done = writeFile(work.filePath(kFoldersFile), folders); !done) return done;
    auto registry = RegistryStore(RegistryStore::defaultPath()).read();
    if (!registry) return fail(registry.error());
    return writeFile(work.filePath(kRegistryFile), registry->toRegText());
}

Result<install::Installation> readInstallation(const QDir& work, const QString& prefix, const QString& manifest,
                                               const QString& library) {
    install::Installation installation;
    installation.applicationName = QStringLiteral("KyReport");
    auto files = readPathList(manifest);
    if (!files) return fail(files.error());
    installation.files = files.value();
    // The log goes with the rest; the uninstaller has read it by then.
    installation.files.append(QDir(prefix).filePath(unsetup::kSetupLogName.toString()));

    auto before = readPathList(work.filePath(kFoldersFile));
    if (!before) return fail(before.error());
    installation.folders = install::createdFolders(prefix, installation.files, QSet<QString>(before->begin(), before->end()));

    auto registryBefore = RegistryStore(work.filePath(kRegistryFile)).read();
    if (!registryBefore) return fail(registryBefore.error());
    auto registryNow = RegistryStore(RegistryStore::defaultPath()).read();
    if (!registryNow) return fail(registryNow.error());
    installation.registry = install::registryChanges(registryBefore.value(), registryNow.value());

    installation.libraries.append(cleanAbsolute(library));
    return installation;
}

Status writeLog(const QDir& work, const QString& prefix, const QString& manifest, const QString& library) {
    const auto installation = readInstallation(work, prefix, manifest, library);
    if (!installation) return fail(installation.error());
    const auto text = install::installationLogText(installation.value());
    if (!text) return fail(text.error());
    return writeFile(QDir(prefix).filePath(unsetup::kSetupLogName.toString()), text.value());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    Status done;
    if (args.size() == 3 && args[0] == QStringLiteral("before")) {
        done = recordBefore(QDir(args[1]), cleanAbsolute(args[2]));
    } else if (args.size() == 5 && args[0] == QStringLiteral("after")) {
        done = writeLog(QDir(args[1]), cleanAbsolute(args[2]), args[3], args[4]);
    } else {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    if (!done) {
        std::fprintf(stderr, "setup_log_writer: %s\n", qPrintable(done.error()));
        return kExitFailed;
    }
    return 0;
}
