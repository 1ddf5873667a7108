#include "report/engine/output/web_archive.h"

#include "platform/base64.h"

#include <QSaveFile>

namespace ky {

namespace {

const QString kBoundary = QStringLiteral("----=_NextPart_000_0000_Ky.VZQ");

QString twoDigits(int page) { return QStringLiteral("%1").arg(page, 2, 10, QLatin1Char('0')); }

// MIME wants base64 in lines of at most 76 characters.
QByteArray base64Lines(const QByteArray& bytes) {
    const QByteArray text = encodeBase64(bytes).toLatin1();
    QByteArray lines;
    lines.reserve(text.size() + text.size() / 76 * 2 + 2);
    for (qsizetype at = 0; at < text.size(); at += 76) lines += text.mid(at, 76) + "\r\n";
    return lines;
}

QString header(const WebArchiveRequest& request) {
    QStringList lines{QStringLiteral("From: <Kestrow矢量报表>"),
                      QStringLiteral("Subject:"),
                      QStringLiteral("Date: ") + request.now.toString(QStringLiteral("yyyy/M/d H:mm:ss")),
                      QStringLiteral("MIME-Version: 1.0"),
                      QStringLiteral("Content-Type: multipart/related;"),
                      QStringLiteral("        type=\"text/html\";"),
                      QStringLiteral("        boundary = \"") + kBoundary + u'"',
                      QString(),
                      QStringLiteral("--") + kBoundary,
                      QStringLiteral("Content-Type: text/html;"),
                      QStringLiteral("Charset = \"utf-8\""),
                      QString(),
                      QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"),
                      QStringLiteral("<HTML><HEAD><META http-equiv=Content-Type content=\"text/html; charset=utf-8\">"),
                      QStringLiteral("<META content=\"MSHTML 6.00.2900.5726\" name=GENERATOR><title>") + request.reportName.toHtmlEscaped() +
                          QStringLiteral("</title></HEAD>"),
                      QStringLiteral("<BODY><center>")};
    for (int page = 1; page <= request.pageCount; ++page)
        lines << QStringLiteral("<hr>第%1页<br/><hr><IMG src=\"file:///VZQ%2\" width=\"70%\"><br/><br/>").arg(page).arg(twoDigits(page));
    lines << QStringLiteral("</center></BODY></HTML>") << QString();
    return lines.join(u"\r\n"_qs) + u"\r\n"_qs;
}

}  // namespace

Status WriteWebArchive(const WebArchiveRequest& request) {
    QByteArray archive = header(request).toUtf8();
    for (int page = 1; page <= request.pageCount; ++page) {
        const auto bytes = takePageFile(pageFileName(request.outputPath, page), request.wait);
        if (!bytes) return fail(bytes.error());
        archive += (QStringLiteral("--") + kBoundary + QStringLiteral("\r\nContent-Type: application/octet-stream\r\n"
                                                                      "Content-Transfer-Encoding: base64\r\nContent-Location: file:///VZQ") +
                    twoDigits(page) + QStringLiteral("\r\n\r\n"))
                       .toUtf8();
        archive += base64Lines(bytes.value());
    }
    archive += (QStringLiteral("--") + kBoundary + QStringLiteral("--\r\n")).toUtf8();
    QSaveFile file(request.outputPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(request.outputPath, file.errorString()));
    return {};
}

}  // namespace ky
