// FormatNumber FormatCurrency FormatPercent FormatDateTime.
#include "report/engine/expression/builtin_function.h"
#include "report/engine/expression/expression_error.h"
#include "report/engine/expression/variant_conversion.h"
#include "report/engine/format/calendar_names.h"
#include "report/engine/format/date_parts.h"
#include "report/engine/format/date_pattern.h"
#include "report/engine/format/styled_number.h"

namespace ky::expr {

namespace {

constexpr int kMaxDecimals = 99;
constexpr int kUseDefault = -2;

// A tristate argument: -1 true, 0 false, -2 (or missing) the default.
bool tristate(const Args& a, qsizetype index, bool fallback) {
    const std::int32_t v = toLong(argOr(a, index, kUseDefault));
    if (v == kUseDefault) return fallback;
    if (v != 0 && v != -1) fail();
    return v == -1;
}

NumberStyle styleFrom(const Args& a) {
    NumberStyle style;
    const std::int32_t decimals = toLong(argOr(a, 1, -1));
    if (decimals < -1 || decimals > kMaxDecimals) fail();
    style.decimals = decimals == -1 ? 2 : decimals;
    style.leadingDigit = tristate(a, 2, true);
    style.parensForNegative = tristate(a, 3, false);
    style.groupDigits = tristate(a, 4, true);
    return style;
}

double numberArg(const Args& a) {
    if (a[0].isNull()) fail();
    return toNumber(a[0]);
}

Value formatNumber(CallContext&, const Args& a) {
    return formatStyledNumber(numberArg(a), styleFrom(a));
}

Value formatCurrency(CallContext&, const Args& a) {
    NumberStyle style = styleFrom(a);
    style.prefix = QStringLiteral("¥");
    return formatStyledNumber(numberArg(a), style);
}

Value formatPercent(CallContext&, const Args& a) {
    NumberStyle style = styleFrom(a);
    style.suffix = QStringLiteral("%");
    return formatStyledNumber(numberArg(a) * 100, style);
}

Value formatDateTime(CallContext&, const Args& a) {
    if (a[0].isNull()) fail();
    const auto parts = datePartsOf(toDate(a[0]));
    if (!parts) fail();
    const std::int32_t named = toLong(argOr(a, 1, 0));
    const char16_t* pattern = nullptr;
    switch (named) {
    case 0: return generalDateText(*parts);
    case 1: pattern = datepattern::longDate; break;
    case 2: pattern = datepattern::shortDate; break;
    case 3: pattern = datepattern::longTime; break;
    case 4: pattern = datepattern::shortTime; break;
    default: fail();
    }
    return formatDateSection(*parts, readPatternChars(QStringView(pattern)));
}

constexpr BuiltinFunction kFunctions[] = {
    {u"FormatNumber", 1, 5, formatNumber},
    {u"FormatCurrency", 1, 5, formatCurrency},
    {u"FormatPercent", 1, 5, formatPercent},
    {u"FormatDateTime", 1, 2, formatDateTime},
};

}  // namespace

std::span<const BuiltinFunction> formatFunctions() {
    return kFunctions;
}

}  // namespace ky::expr
