// The report's own helpers, defined in the expression language as
//   IIF(c, t, f):  If c Then IIF = t Else IIF = f
//   Val(v):        If IsNumeric(v) Then Val = CDbl(v) Else Val = 0
//   XSWS(v, d):    XSWS = FormatNumber(Round(Val(v), d), d)
//   GetGUID():     a new identifier, 36 characters with hyphens, no braces
// so XSWS rounds half to even on the binary value, and groups thousands.
#include "report/engine/expression/builtin_function.h"
#include "report/engine/expression/expression_error.h"
#include "report/engine/expression/variant_conversion.h"
#include "report/engine/format/numeric_text.h"
#include "report/engine/format/styled_number.h"

namespace ky::expr {

namespace {

constexpr int kMaxDecimals = 99;

Value iif(CallContext&, const Args& a) {
    // "If Null Then" takes the Else branch.
    return !a[0].isNull() && toBoolean(a[0]) ? a[1] : a[2];
}

Value valOf(const Value& v) {
    const bool numeric = v.isNumeric() || v.isEmpty() || v.get<bool>() || (v.get<QString>() && readNumericText(*v.get<QString>()));
    if (!numeric) return std::int16_t{0};
    return checkedDouble(toNumber(v));
}

Value val(CallContext&, const Args& a) {
    return valOf(a[0]);
}

Value xsws(CallContext&, const Args& a) {
    if (a[1].isNull()) fail();
    const std::int32_t places = toLong(a[1]);
    if (places < 0 || places > kMaxDecimals) fail();
    NumberStyle style;
    style.decimals = places;
    return formatStyledNumber(roundBankers(toNumber(valOf(a[0])), places), style);
}

Value getGuid(CallContext& context, const Args&) {
    return (context.newGuid ? context.newGuid() : Guid::create()).toString();
}

constexpr BuiltinFunction kFunctions[] = {
    {u"IIF", 3, 3, iif},
    {u"Val", 1, 1, val},
    {u"XSWS", 2, 2, xsws},
    {u"GetGUID", 0, 0, getGuid},
};

}  // namespace

std::span<const BuiltinFunction> helperFunctions() {
    return kFunctions;
}

}  // namespace ky::expr
