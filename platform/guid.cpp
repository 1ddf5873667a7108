#include "platform/guid.h"

#include <QRandomGenerator>

namespace ky {

Guid Guid::create() {
    Guid g;
    QRandomGenerator* random = QRandomGenerator::system();
    g.data1 = random->generate();
    const quint32 middle = random->generate();
    g.data2 = static_cast<std::uint16_t>(middle >> 16);
    g.data3 = static_cast<std::uint16_t>((middle & 0x0FFF) | 0x4000);  // version 4
    for (auto& b : g.data4) b = static_cast<std::uint8_t>(random->bounded(256));
    g.data4[0] = static_cast<std::uint8_t>((g.data4[0] & 0x3F) | 0x80);  // RFC 4122 variant
    return g;
}

namespace {

QString hex(quint64 value, int digits) { return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper(); }

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

}  // namespace

std::optional<Guid> Guid::parse(QStringView text) {
    if (text.size() == 38 && text.front() == u'{' && text.back() == u'}') text = text.mid(1, 36);
    if (text.size() != 36) return std::nullopt;
    std::array<std::uint8_t, 16> bytes{};
    int nibble = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (text[i] != u'-') return std::nullopt;
            continue;
        }
        const int d = hexDigit(text[i]);
        if (d < 0) return std::nullopt;
        bytes[nibble / 2] = static_cast<std::uint8_t>(bytes[nibble / 2] << 4 | d);
        ++nibble;
    }
    Guid g;
    g.data1 = std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 | bytes[3];
    g.data2 = static_cast<std::uint16_t>(bytes[4] << 8 | bytes[5]);
    g.data3 = static_cast<std::uint16_t>(bytes[6] << 8 | bytes[7]);
    for (int i = 0; i < 8; ++i) g.data4[i] = bytes[8 + i];
    return g;
}

QString Guid::toCompactString() const {
    QString text = hex(data1, 8) + hex(data2, 4) + hex(data3, 4);
    for (auto b : data4) text += hex(b, 2);
    return text;
}

QString Guid::toString() const {
    const QString compact = toCompactString();
    return compact.mid(0, 8) + u'-' + compact.mid(8, 4) + u'-' + compact.mid(12, 4) + u'-' + compact.mid(16, 4) + u'-' +
           compact.mid(20);
}

QString Guid::toBracedString() const { return u'{' + toString() + u'}'; }

}  // namespace ky
