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

Result<QByteArray> takePageFile(const QString& path, const PageWait& wait) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + wait.limit;
    while (true) {
        QFile file(path);
        // The printer writes each page under another name and renames it, so
        // a file that exists is whole; a failing open is retried (still held).
        if (file.exists() && file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            file.close();
            if (!QFile::remove(path)) return fail(QStringLiteral("cannot delete the page file %1").arg(path));
            return bytes;
        }
        if (Clock::now() >= deadline)
            return fail(QStringLiteral("the page file %1 did not appear within %2 seconds")
                            .arg(path)
                            .arg(std::chrono::duration_cast<std::chrono::seconds>(wait.limit).count()));
        if (wait.idle) wait.idle();
        QThread::msleep(static_cast<unsigned long>(wait.poll.count()));
    }
}

}  // namespace ky
