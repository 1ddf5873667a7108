#include "platform/base64.h"

namespace ky {

QString encodeBase64(QByteArrayView bytes) {
    return QString::fromLatin1(QByteArray::fromRawData(bytes.data(), bytes.size()).toBase64());
}

namespace {

int digitValue(char16_t c) {
    if (c >= u'A' && c <= u'Z') return c - u'A';
    if (c >= u'a' && c <= u'z') return c - u'a' + 26;
    if (c >= u'0' && c <= u'9') return c - u'0' + 52;
    if (c == u'+') return 62;
    if (c == u'/') return 63;
    return -1;
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace

Result<QByteArray> decodeBase64(const QString& text) {
    QString cleaned = text;
    cleaned.remove(QStringLiteral("\r\n"));
    cleaned.remove(QStringLiteral("base64:"));

    QByteArray out;
    out.reserve(cleaned.size() * 3 / 4);
    quint32 accumulator = 0;
    int bits = 0;
    int padding = 0;
    for (qsizetype i = 0; i < cleaned.size(); ++i) {
        const char16_t c = cleaned.at(i).unicode();
        if (isBlank(c)) continue;
        if (c == u'=') {
            ++padding;
            continue;
        }
        const int value = digitValue(c);
        if (value < 0 || padding > 0)
            return fail(QStringLiteral("invalid base64 character at position %1").arg(i + 1));
        accumulator = (accumulator << 6) | static_cast<quint32>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.append(static_cast<char>((accumulator >> bits) & 0xFF));
        }
    }
    // Leftover bits must be zero padding of at most one partial group.
    if (bits >= 6 || padding > 2) return fail(QStringLiteral("base64 text ends in the middle of a group"));
    return out;
}

}  // namespace ky
