// IsNumeric IsDate IsEmpty IsNull IsObject IsArray TypeName VarType.
#include "report/engine/expression/builtin_function.h"
#include "report/engine/format/date_parts.h"
#include "report/engine/format/numeric_text.h"

namespace ky::expr {

namespace {

Value isNumeric(CallContext&, const Args& a) {
    const Value& v = a[0];
    if (v.isNumeric() || v.isEmpty() || v.get<bool>()) return true;
    if (const auto* s = v.get<QString>()) return readNumericText(*s).has_value();
    return false;
}

Value isDate(CallContext&, const Args& a) {
    if (const auto* d = a[0].get<OleDate>()) return datePartsOf(*d).has_value();
    if (const auto* s = a[0].get<QString>()) return readDate(*s).has_value();
    return false;
}

Value isEmpty(CallContext&, const Args& a) { return a[0].isEmpty(); }
Value isNull(CallContext&, const Args& a) { return a[0].isNull(); }
Value isFalse(CallContext&, const Args&) { return false; }

struct KindNames {
    const char16_t* typeName;
    std::int16_t varType;
};

// In the order of Value::Kind.
constexpr KindNames kKinds[] = {
    {u"Empty", 0},   {u"Null", 1},     {u"Boolean", 11}, {u"Integer", 2},  {u"Long", 3},   {u"LongLong", 20}, {u"Single", 4},
    {u"Double", 5},  {u"Currency", 6}, {u"Decimal", 14}, {u"Date", 7},     {u"String", 8}, {u"Byte()", 8209},
};
static_assert(std::size(kKinds) == static_cast<size_t>(Value::Kind::Bytes) + 1);

Value typeName(CallContext&, const Args& a) {
    return QString::fromUtf16(kKinds[static_cast<int>(a[0].kind())].typeName);
}

Value varType(CallContext&, const Args& a) {
    return kKinds[static_cast<int>(a[0].kind())].varType;
}

constexpr BuiltinFunction kFunctions[] = {
    {u"IsNumeric", 1, 1, isNumeric}, {u"IsDate", 1, 1, isDate},     {u"IsEmpty", 1, 1, isEmpty},
    {u"IsNull", 1, 1, isNull},       {u"IsObject", 1, 1, isFalse},  {u"IsArray", 1, 1, isFalse},
    {u"TypeName", 1, 1, typeName},   {u"VarType", 1, 1, varType},
};

}  // namespace

std::span<const BuiltinFunction> typeFunctions() {
    return kFunctions;
}

}  // namespace ky::expr
