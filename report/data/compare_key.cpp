#include "report/data/compare_key.h"

#include <QHash>

#include <cmath>
#include <cstring>

namespace ky {

namespace {

char16_t fold(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return (u >= u'A' && u <= u'Z') ? static_cast<char16_t>(u + 32) : u;
    return c.toCaseFolded().unicode();
}

std::size_t hashText(QStringView text) {
    std::size_t h = 1469598103934665603ull;  // FNV-1a over folded code units
    for (QChar c : text) {
        h ^= fold(c);
        h *= 1099511628211ull;
    }
    return h;
}

bool usesNumber(FieldCategory category) {
    return category == FieldCategory::Numeric || category == FieldCategory::Boolean || category == FieldCategory::Date;
}

// How a value reads as a number in a numeric, boolean or date field.
std::optional<double> numberKey(const Value& value, FieldCategory category) {
    std::optional<double> number;
    if (category == FieldCategory::Date && value.get<QString>()) {
        if (const auto date = value.toDate()) number = date->days;
    } else if (category == FieldCategory::Boolean && value.get<QString>()) {
        if (const auto b = value.toBool()) number = *b ? -1.0 : 0.0;
    } else {
        number = value.toDouble();
    }
    if (number && *number == 0) number = 0.0;  // -0 and 0 are one key
    // NaN would compare equal to every number and break the sort order.
    if (number && std::isnan(*number)) return std::nullopt;
    return number;
}

bool textEqualsFolded(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    // The usual match is exact; memcmp is far cheaper than a generic compare.
    if (std::memcmp(a.constData(), b.constData(), static_cast<size_t>(a.size()) * sizeof(QChar)) == 0) return true;
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
        const auto number = numberKey(value, category);
        key.kind = number ? CompareKey::Kind::Number : CompareKey::Kind::Invalid;
        key.number = number.value_or(0);
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
    case CompareKey::Kind::Text: return hashText(key.text);
    case CompareKey::Kind::Bytes: return qHash(key.bytes);
    default: return 0;
    }
}

std::size_t hashValue(const Value& value, FieldCategory category) {
    if (value.isNullOrEmpty()) return 0;
    if (usesNumber(category)) {
        const auto number = numberKey(value, category);
        return number ? qHash(*number) : 0;
    }
    if (const auto* text = value.get<QString>()) {
        if (category != FieldCategory::Binary) return hashText(*text);
    }
    return hashKey(compareKeyOf(value, category));
}

bool valueEqualsKey(const Value& value, FieldCategory category, const CompareKey& key) {
    if (key.kind == CompareKey::Kind::Text && category != FieldCategory::Binary && !usesNumber(category)) {
        if (const auto* text = value.get<QString>()) return textEqualsFolded(*text, key.text);
    }
    if (key.kind == CompareKey::Kind::Number && usesNumber(category) && !value.isNullOrEmpty()) {
        const auto number = numberKey(value, category);
        return number && *number == key.number;
    }
    return keysEqual(compareKeyOf(value, category), key);
}

bool isComparable(const Value& value, FieldCategory category) {
    if (value.isNullOrEmpty()) return false;
    if (usesNumber(category)) return numberKey(value, category).has_value();
    if (category == FieldCategory::Binary) return value.get<QByteArray>() != nullptr;
    return true;
}

bool valuesEqual(const Value& a, const Value& b, FieldCategory category) {
    if (!usesNumber(category) && category != FieldCategory::Binary) {
        const auto *textA = a.get<QString>(), *textB = b.get<QString>();
        if (textA && textB) return textEqualsFolded(*textA, *textB);
    }
    if (usesNumber(category) && !a.isNullOrEmpty() && !b.isNullOrEmpty()) {
        const auto numberA = numberKey(a, category), numberB = numberKey(b, category);
        return numberA && numberB && *numberA == *numberB;
    }
    return keysEqual(compareKeyOf(a, category), compareKeyOf(b, category));
}

}  // namespace ky
