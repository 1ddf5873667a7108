#pragma once
// How field values compare in filters, sorts and indexes: each value is read
// as the kind of its field (a number for numeric, boolean and date fields,
// text otherwise), texts compare without regard to case, nulls first.

#include "report/data/field_type.h"
#include "report/data/value.h"

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace ky {

struct CompareKey {
    enum class Kind { Null, Number, Text, Bytes, Invalid };
    Kind kind = Kind::Null;
    double number = 0;
    QString text;
    QByteArray bytes;
};

CompareKey compareKeyOf(const Value& value, FieldCategory category);

// Keys of different kinds (other than null) are not comparable: nullopt.
std::optional<int> compareKeys(const CompareKey& a, const CompareKey& b);
bool keysEqual(const CompareKey& a, const CompareKey& b);
// Equal keys hash alike.
std::size_t hashKey(const CompareKey& key);

// The same as hashKey(compareKeyOf(value, category)) and
// keysEqual(compareKeyOf(value, category), key), without building the key:
// the index runs these once per row.
std::size_t hashValue(const Value& value, FieldCategory category);
bool valueEqualsKey(const Value& value, FieldCategory category, const CompareKey& key);
// compareKeyOf(value, category) is neither null nor invalid, likewise.
bool isComparable(const Value& value, FieldCategory category);
// keysEqual(compareKeyOf(a, category), compareKeyOf(b, category)), likewise.
bool valuesEqual(const Value& a, const Value& b, FieldCategory category);

}  // namespace ky
