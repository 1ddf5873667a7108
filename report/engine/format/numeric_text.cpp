#include "report/engine/format/numeric_text.h"

#include <cstdint>

namespace ky {

std::optional<Value> readRadixLiteral(QStringView digits, int base) {
    if (digits.isEmpty()) return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : digits) {
        const int d = c.isDigit() ? c.unicode() - u'0' : (c.toUpper().unicode() >= u'A' && c.toUpper().unicode() <= u'F') ? c.toUpper().unicode() - u'A' + 10 : 99;
        if (d >= base) return std::nullopt;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    if (value <= 0xFFFFu && (base == 16 ? digits.size() <= 4 : value <= 0xFFFFu))
        return Value(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    return Value(static_cast<int>(static_cast<std::uint32_t>(value)));
}

std::optional<double> readNumericText(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.size() > 2 && t[0] == u'&') {
        const QChar kind = t[1].toUpper();
        if (kind != u'H' && kind != u'O') return std::nullopt;
        const auto v = readRadixLiteral(t.mid(2), kind == u'H' ? 16 : 8);
        if (!v) return std::nullopt;
        return v->toDouble();
    }
    // Group separators only between digits: "1,234" but not ",1" or "1,".
    QString plain;
    plain.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == u',') {
            if (i == 0 || i + 1 == t.size() || !t[i - 1].isDigit() || !t[i + 1].isDigit()) return std::nullopt;
            continue;
        }
        plain += t[i];
    }
    return parseNumber(plain);
}

std::optional<double> numberOf(const Value& value) {
    if (value.isNumeric() || value.get<bool>()) return value.toDouble();
    if (const auto* text = value.get<QString>()) return readNumericText(*text);
    return std::nullopt;
}

}  // namespace ky
