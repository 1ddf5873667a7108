#include "unsetup/temporary_copy.h"

#include "unsetup/file_removal.h"
#include "unsetup/pending_deletions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <system_error>

namespace ky::unsetup {

namespace {

constexpr int kPollIntervalMs = 50;

bool processExists(qint64 processId) {
    // Signal 0 only checks; EPERM means it exists but belongs to someone else.
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

}  // namespace

Result<QString> copyToTemporaryFile(const QString& program) {
    QTemporaryFile name(QDir(QDir::tempPath()).filePath(QStringLiteral("DelXXXXXX")));
    name.setAutoRemove(false);
    if (!name.open()) return fail(QStringLiteral("Can't create a temporary file, Error %1").arg(errno));
    const QString path = name.fileName();
    name.close();
    std::error_code error;
    std::filesystem::copy_file(QFile::encodeName(program).toStdString(), QFile::encodeName(path).toStdString(),
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        QFile::remove(path);
        return fail(QStringLiteral("Can't copy %1 to %2, Error %3").arg(program, path).arg(error.value()));
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

Status startTemporaryCopy(const QString& copy, const QString& launcher, const QStringList& options) {
    const QString folder = QFileInfo(launcher).absolutePath() + u'/';
    const QStringList arguments =
        QStringList{QString::number(QCoreApplication::applicationPid()), launcher, folder} + options;
    if (!QProcess::startDetached(copy, arguments)) return fail(QStringLiteral("cannot start %1").arg(copy));
    return {};
}

void waitForProcessEnd(qint64 processId) {
    while (processId > 0 && processExists(processId)) QThread::msleep(kPollIntervalMs);
}

QString logFolderFrom(const QString& launcherFolder) {
    const qsizetype slash = launcherFolder.lastIndexOf(u'/');
    return slash < 0 ? launcherFolder : launcherFolder.first(slash + 1);
}

Status deleteOwnCopy(const QString& copy, RegistryStore& registry) {
    if (deleteFileAt(copy)) return {};
    return scheduleDeletionAtRestart(registry, copy);
}

}  // namespace ky::unsetup
