#include "report/data/field_type.h"

#include <cmath>
#include <limits>

namespace ky {

FieldCategory fieldCategory(int type) {
    switch (type) {
    case fieldtype::Boolean:
        return FieldCategory::Boolean;
    case fieldtype::Binary: case fieldtype::VarBinary: case fieldtype::LongVarBinary:
        return FieldCategory::Binary;
    case fieldtype::SmallInt: case fieldtype::Integer: case fieldtype::Single: case fieldtype::Double: case fieldtype::Currency: case fieldtype::Decimal: case fieldtype::TinyInt:
    case fieldtype::UnsignedTinyInt: case fieldtype::UnsignedSmallInt: case fieldtype::UnsignedInt: case fieldtype::BigInt: case fieldtype::UnsignedBigInt: case fieldtype::Numeric:
        return FieldCategory::Numeric;
    case fieldtype::Date: case fieldtype::DbDate: case fieldtype::DbTime: case fieldtype::DbTimeStamp:
        return FieldCategory::Date;
    case fieldtype::BStr: case fieldtype::Char: case fieldtype::WChar: case fieldtype::VarChar: case fieldtype::LongVarChar: case fieldtype::VarWChar: case fieldtype::LongVarWChar:
        return FieldCategory::Text;
    default:
        return FieldCategory::Other;
    }
}

namespace {

Failure cannotTake(const FieldInfo& field, const Value& value, const QString& why = {}) {
    QString message = QStringLiteral("field %1 (type %2) cannot take a %3 value").arg(field.name).arg(field.type).arg(kindName(value.kind()));
    if (!why.isEmpty()) message += QStringLiteral(": ") + why;
    return fail(message);
}

// The values an integer type holds and the kind that stores them.
struct IntegerRange {
    std::int64_t min, max;
    Value::Kind kind;
};

IntegerRange integerRange(int type) {
    switch (type) {
    case fieldtype::TinyInt: return {-128, 127, Value::Kind::Int16};
    case fieldtype::UnsignedTinyInt: return {0, 255, Value::Kind::Int16};
    case fieldtype::SmallInt: return {-32768, 32767, Value::Kind::Int16};
    case fieldtype::UnsignedSmallInt: return {0, 65535, Value::Kind::Int64};
    case fieldtype::Integer:
        return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), Value::Kind::Int32};
    case fieldtype::UnsignedInt: return {0, std::numeric_limits<std::uint32_t>::max(), Value::Kind::Int64};
    case fieldtype::UnsignedBigInt: return {0, std::numeric_limits<std::int64_t>::max(), Value::Kind::Int64};
    default:
        return {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max(), Value::Kind::Int64};
    }
}

Result<Value> toInteger(const FieldInfo& field, const Value& value, double number) {
    const IntegerRange range = integerRange(field.type);
    std::int64_t whole = 0;
    // Integers are taken exactly: past 2^53 a double would change them.
    if (const auto* i16 = value.get<std::int16_t>()) {
        whole = *i16;
    } else if (const auto* i32 = value.get<std::int32_t>()) {
        whole = *i32;
    } else if (const auto* i64 = value.get<std::int64_t>()) {
        whole = *i64;
    } else {
        const double rounded = std::nearbyint(number);  // half to even, as the platform rounds
        // 2^63 is exact as a double; NaN fails both tests.
        if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0))
            return cannotTake(field, value, QStringLiteral("out of range"));
        whole = static_cast<std::int64_t>(rounded);
    }
    if (whole < range.min || whole > range.max) return cannotTake(field, value, QStringLiteral("out of range"));
    switch (range.kind) {
    case Value::Kind::Int16: return Value(static_cast<std::int16_t>(whole));
    case Value::Kind::Int32: return Value(static_cast<int>(whole));
    default: return Value(static_cast<long long>(whole));
    }
}

Result<Value> toNumeric(const FieldInfo& field, Value value) {
    if (value.kind() == Value::Kind::Bytes || value.kind() == Value::Kind::Date) return cannotTake(field, value);
    const auto number = value.toDouble();
    if (!number) return cannotTake(field, value, QStringLiteral("not a number"));
    switch (field.type) {
    case fieldtype::SmallInt: case fieldtype::TinyInt: case fieldtype::UnsignedTinyInt: case fieldtype::Integer:
    case fieldtype::UnsignedSmallInt: case fieldtype::UnsignedInt: case fieldtype::BigInt: case fieldtype::UnsignedBigInt:
        return toInteger(field, value, *number);
    case fieldtype::Single:
        if (std::fabs(*number) > std::numeric_limits<float>::max()) return cannotTake(field, value, QStringLiteral("out of range"));
        return Value(static_cast<float>(*number));
    case fieldtype::Currency:
        if (const auto c = ky::Currency::fromDouble(*number)) return Value(*c);
        return cannotTake(field, value, QStringLiteral("out of range"));
    case fieldtype::Decimal: case fieldtype::Numeric: {
        if (const auto* d = value.get<ky::Decimal>()) return Value(*d);
        if (const auto* s = value.get<QString>())
            if (const auto d = ky::Decimal::parse(*s)) return Value(*d);
        if (const auto d = ky::Decimal::fromDouble(*number)) return Value(*d);
        return cannotTake(field, value, QStringLiteral("out of range"));
    }
    default:
        return Value(*number);
    }
}

}  // namespace

bool storedAsIs(const FieldInfo& field, const Value& value) {
    switch (value.kind()) {
    case Value::Kind::Null: return field.nullable;
    case Value::Kind::Bool: return field.type == fieldtype::Boolean;
    case Value::Kind::Double: return field.type == fieldtype::Double;
    case Value::Kind::Text:
        return fieldCategory(field.type) == FieldCategory::Text &&
               (field.definedSize <= 0 || value.get<QString>()->size() <= field.definedSize);
    default: return false;
    }
}

Result<Value> coerceToField(const FieldInfo& field, Value value) {
    if (value.isNullOrEmpty()) {
        if (!field.nullable) return fail(QStringLiteral("field %1 does not accept null").arg(field.name));
        return Value::null();
    }
    switch (fieldCategory(field.type)) {
    case FieldCategory::Boolean: {
        // Only true booleans and their names; a number is refused.
        if (value.get<bool>()) return value;
        if (value.get<QString>())
            if (const auto b = value.toBool()) return Value(*b);
        return cannotTake(field, value);
    }
    case FieldCategory::Binary: {
        const auto* bytes = value.get<QByteArray>();
        if (!bytes) return cannotTake(field, value);
        if (field.definedSize > 0 && bytes->size() > field.definedSize)
            return cannotTake(field, value, QStringLiteral("%1 bytes exceed the size %2").arg(bytes->size()).arg(field.definedSize));
        return value;
    }
    case FieldCategory::Numeric:
        return toNumeric(field, std::move(value));
    case FieldCategory::Date: {
        if (value.kind() == Value::Kind::Bytes || value.kind() == Value::Kind::Bool) return cannotTake(field, value);
        if (const auto d = value.toDate()) return Value(*d);
        return cannotTake(field, value, QStringLiteral("not a date"));
    }
    case FieldCategory::Text: {
        if (value.kind() == Value::Kind::Bytes) return cannotTake(field, value);
        QString text = value.toText();
        if (field.definedSize > 0 && text.size() > field.definedSize)
            return cannotTake(field, value, QStringLiteral("%1 characters exceed the size %2").arg(text.size()).arg(field.definedSize));
        return Value(std::move(text));
    }
    case FieldCategory::Other:
        break;
    }
    return value;
}

}  // namespace ky
