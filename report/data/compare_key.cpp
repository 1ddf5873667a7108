#include "report/data/compare_key.h"

#include <QHash>

#include <cstring>

namespace ky {

namespace {

char16_t fold(QChar c) { return c.toCaseFolded().unicode(); }

bool textEqualsFolded(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && fold(a[i]) != fold(b[i])) return false;
    return true;
}

}  // namespace

CompareKey compareKeyOf(const Value& value, FieldCategory category) {
    CompareKey key;
    if (value.isNullOrEmpty()) return key;
    switch (category) {
    case FieldCategory::Numeric:
    case FieldCategory::Boolean:
    case FieldCategory::Date: {
        std::optional<double> number;
        if (category == FieldCategory::Date && value.get<QString>()) {
            if (const auto date = value.toDate()) number = date->days;
        } else if (category == FieldCategory::Boolean && value.get<QString>()) {
            if (const auto b = value.toBool()) number = *b ? -1.0 : 0.0;
        } else {
            number = value.toDouble();
        }
        if (!number) {
            key.kind = CompareKey::Kind::Invalid;
            return key;
        }
        key.kind = CompareKey::Kind::Number;
        key.number = *number == 0 ? 0.0 : *number;  // -0 and 0 are one key
        return key;
    }
    case FieldCategory::Binary:
        if (const auto* bytes = value.get<QByteArray>()) {
            key.kind = CompareKey::Kind::Bytes;
            key.bytes = *bytes;
        } else {
            key.kind = CompareKey::Kind::Invalid;
        }
        return key;
    case FieldCategory::Text:
    case FieldCategory::Other:
        if (const auto* bytes = value.get<QByteArray>()) {
            key.kind = CompareKey::Kind::Bytes;
            key.bytes = *bytes;
            return key;
        }
        key.kind = CompareKey::Kind::Text;
        key.text = value.toText();
        return key;
    }
    return key;
}

std::optional<int> compareKeys(const CompareKey& a, const CompareKey& b) {
    using Kind = CompareKey::Kind;
    if (a.kind == Kind::Invalid || b.kind == Kind::Invalid) return std::nullopt;
    if (a.kind == Kind::Null || b.kind == Kind::Null) return (a.kind == Kind::Null ? 0 : 1) - (b.kind == Kind::Null ? 0 : 1);
    if (a.kind != b.kind) return std::nullopt;
    switch (a.kind) {
    case Kind::Number:
        return (a.number > b.number) - (a.number < b.number);
    case Kind::Text:
        if (textEqualsFolded(a.text, b.text)) return 0;
        return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0 ? -1 : 1;
    case Kind::Bytes: {
        const int c = std::memcmp(a.bytes.constData(), b.bytes.constData(),
                                  static_cast<size_t>(std::min(a.bytes.size(), b.bytes.size())));
        if (c != 0) return c < 0 ? -1 : 1;
        return (a.bytes.size() > b.bytes.size()) - (a.bytes.size() < b.bytes.size());
    }
    default:
        return std::nullopt;
    }
}

bool keysEqual(const CompareKey& a, const CompareKey& b) {
    if (a.kind != b.kind) return false;
    switch (a.kind) {
    case CompareKey::Kind::Null: return true;
    case CompareKey::Kind::Number: return a.number == b.number;
    case CompareKey::Kind::Text: return textEqualsFolded(a.text, b.text);
    case CompareKey::Kind::Bytes: return a.bytes == b.bytes;
    case CompareKey::Kind::Invalid: return false;
    }
    return false;
}

std::size_t hashKey(const CompareKey& key) {
    switch (key.kind) {
    case CompareKey::Kind::Number: return qHash(key.number);
    case CompareKey::Kind::Text: {
        std::size_t h = 1469598103934665603ull;  // FNV-1a over folded code units
        for (QChar c : key.text) {
            h ^= fold(c);
            h *= 1099511628211ull;
        }
        return h;
    }
    case CompareKey::Kind::Bytes: return qHash(key.bytes);
    default: return 0;
    }
}

}  // namespace ky
