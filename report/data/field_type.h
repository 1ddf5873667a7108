#pragma once
// Field descriptions and the data-access type codes the system tells apart,
// with the conversion a value undergoes when it is stored in a field.

#include "report/data/value.h"
#include "platform/result.h"

#include <QString>

#include <cstdint>

namespace ky {

namespace fieldtype {
inline constexpr int SmallInt = 2, Integer = 3, Single = 4, Double = 5, Currency = 6, Date = 7, BStr = 8, Boolean = 11,
                     Variant = 12, Decimal = 14, TinyInt = 16, UnsignedTinyInt = 17, UnsignedSmallInt = 18,
                     UnsignedInt = 19, BigInt = 20, UnsignedBigInt = 21, Guid = 72, Binary = 128, Char = 129,
                     WChar = 130, Numeric = 131, DbDate = 133, DbTime = 134, DbTimeStamp = 135, VarChar = 200,
                     LongVarChar = 201, VarWChar = 202, LongVarWChar = 203, VarBinary = 204, LongVarBinary = 205;
// The defined sizes the JSON converter gives its text and binary fields.
inline constexpr std::int32_t wideTextSize = 255, longWideTextSize = 536870910, longBinarySize = 1073741823;
}  // namespace fieldtype

enum class FieldCategory { Boolean, Binary, Numeric, Date, Text, Other };

FieldCategory fieldCategory(int type);
// The thirteen numeric codes (boolean not among them).
inline bool isNumericFieldType(int type) { return fieldCategory(type) == FieldCategory::Numeric; }
inline bool isBinaryFieldType(int type) { return fieldCategory(type) == FieldCategory::Binary; }

struct FieldInfo {
    QString name;
    int type = fieldtype::VarWChar;
    std::int32_t definedSize = 0;  // characters for text, bytes for binary; 0: no limit
    bool nullable = true;
    friend bool operator==(const FieldInfo&, const FieldInfo&) = default;
};

// The value as the field stores it, or why the field cannot take it.
Result<Value> coerceToField(const FieldInfo& field, Value value);
// True when coerceToField would keep the value as it is: the common case of
// filling a field with values of its own kind, which then skips conversion.
bool storedAsIs(const FieldInfo& field, const Value& value);

}  // namespace ky
