#pragma once
// What the uninstaller's tests share: readable failure output for Qt texts,
// and log texts written with LF that become the CR LF lines of a log.

#include <QByteArray>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ky::unsetup::testing_support {

inline QString str(const char* utf8) { return QString::fromUtf8(utf8); }

inline QByteArray crlf(const char* text) { return QByteArray(text).replace("\n", "\r\n"); }

inline QByteArray complemented(QByteArray bytes) {
    for (char& byte : bytes) byte = static_cast<char>(~static_cast<unsigned char>(byte));
    return bytes;
}

}  // namespace ky::unsetup::testing_support
