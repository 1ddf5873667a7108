#include "report/engine/output/page_files.h"

#include <QFile>
#include <QRegularExpression>
#include <QThread>

namespace ky {

QString pageFileName(const QString& outputPath, int page) {
    static const QRegularExpression extension(QStringLiteral("\\.(mht|doc|emf)$"), QRegularExpression::CaseInsensitiveOption);
    QString base = outputPath;
    base.replace(extension, QString());
    return base + QStringLiteral("_%1.emf").arg(page, 3, 10, QLatin1Char('0'));
}

namespace {

// Polls `ready` until it holds or the wait's limit passes, idling between polls.
bool pollUntil(const PageWait& wait, const std::function<bool()>& ready) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + wait.limit;
    while (!ready()) {
        if (Clock::now() >= deadline) return false;
        if (wait.idle) wait.idle();
        QThread::msleep(static_cast<unsigned long>(wait.poll.count()));
    }
    return true;
}

Failure notInTime(const QString& path, const PageWait& wait) {
    return fail(QStringLiteral("the page file %1 did not appear within %2 seconds")
                    .arg(path)
                    .arg(std::chrono::duration_cast<std::chrono::seconds>(wait.limit).count()));
}

}  // namespace

Status waitForPageFile(const QString& path, const PageWait& wait) {
    if (!pollUntil(wait, [&] { return QFile::exists(path); })) return notInTime(path, wait);
    return {};
}

Result<QByteArray> takePageFile(const QString& path, const PageWait& wait) {
    QByteArray bytes;
    // The printer writes each page under another name and renames it, so
    // a file that exists is whole; a failing open is retried (still held).
    const bool read = pollUntil(wait, [&] {
        QFile file(path);
        if (!file.exists() || !file.open(QIODevice::ReadOnly)) return false;
        bytes = file.readAll();
        return true;
    });
    if (!read) return notInTime(path, wait);
    if (!QFile::remove(path)) return fail(QStringLiteral("cannot delete the page file %1").arg(path));
    return bytes;
}

}  // namespace ky
