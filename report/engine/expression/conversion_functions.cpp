// CBool CByte CCur CDate CDbl CInt CLng CSng CStr Hex Oct Fix Int Abs Sgn Round.
#include "report/engine/expression/builtin_function.h"
#include "report/engine/expression/expression_error.h"
#include "report/engine/expression/variant_conversion.h"

#include <cmath>
#include <limits>

namespace ky::expr {

namespace {

Value notNull(const Value& v) {
    if (v.isNull()) fail();
    return v;
}

Value cBool(CallContext&, const Args& a) { return toBoolean(notNull(a[0])); }
Value cInt(CallContext&, const Args& a) { return toInteger(notNull(a[0])); }
Value cLng(CallContext&, const Args& a) { return static_cast<int>(toLong(notNull(a[0]))); }
Value cDbl(CallContext&, const Args& a) { return checkedDouble(toNumber(notNull(a[0]))); }
Value cDate(CallContext&, const Args& a) { return toDate(notNull(a[0])); }
Value cStr(CallContext&, const Args& a) { return toText(a[0]); }

// There is no byte kind here: the value comes back as a 16-bit integer.
Value cByte(CallContext&, const Args& a) {
    const std::int16_t n = toInteger(notNull(a[0]));
    if (n < 0 || n > 255) fail();
    return n;
}

Value cSng(CallContext&, const Args& a) {
    const double d = toNumber(notNull(a[0]));
    if (std::fabs(d) > std::numeric_limits<float>::max()) fail();
    return static_cast<float>(d);
}

Value cCur(CallContext&, const Args& a) {
    const auto c = Currency::fromDouble(toNumber(notNull(a[0])));
    if (!c) fail();
    return *c;
}

// The value as a 16-bit pattern when it is a 16-bit kind, else as a 32-bit one.
Value inRadix(const Value& v, int base) {
    if (v.isNull()) return Value::null();
    const std::int32_t n = toLong(v);
    const bool narrow = (v.get<std::int16_t>() || v.get<bool>() || v.isEmpty());
    const std::uint32_t bits = narrow ? static_cast<std::uint16_t>(n) : static_cast<std::uint32_t>(n);
    return QString::number(bits, base).toUpper();
}

Value hex(CallContext&, const Args& a) { return inRadix(a[0], 16); }
Value oct(CallContext&, const Args& a) { return inRadix(a[0], 8); }

// Applies `f` keeping the value's kind where the language keeps it.
template <double (*F)(double)>
Value sameKind(const Value& v) {
    if (v.isNull()) return Value::null();
    if (v.isEmpty()) return std::int16_t{0};
    if (const auto* b = v.get<bool>()) return static_cast<std::int16_t>(F(*b ? -1 : 0));
    if (v.get<std::int16_t>() || v.get<std::int32_t>()) {
        const double r = F(toNumber(v));
        if (v.get<std::int16_t>() && r >= std::numeric_limits<std::int16_t>::min() && r <= std::numeric_limits<std::int16_t>::max())
            return static_cast<std::int16_t>(r);
        if (r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max()) return static_cast<int>(r);
        return r;
    }
    if (const auto* f = v.get<float>()) return static_cast<float>(F(*f));
    if (const auto* c = v.get<Currency>()) {
        const auto r = Currency::fromDouble(F(c->toDouble()));
        if (!r) fail();
        return *r;
    }
    if (const auto* d = v.get<OleDate>()) return OleDate{F(d->days)};
    return checkedDouble(F(toNumber(v)));
}

double fixOf(double d) { return std::trunc(d); }
double intOf(double d) { return std::floor(d); }
double absOf(double d) { return std::fabs(d); }

Value fix(CallContext&, const Args& a) { return sameKind<fixOf>(a[0]); }
Value intPart(CallContext&, const Args& a) { return sameKind<intOf>(a[0]); }
Value abs(CallContext&, const Args& a) {
    if (a[0].get<OleDate>()) return checkedDouble(std::fabs(a[0].get<OleDate>()->days));
    return sameKind<absOf>(a[0]);
}

Value sgn(CallContext&, const Args& a) {
    const double d = toNumber(notNull(a[0]));
    return static_cast<std::int16_t>(d < 0 ? -1 : d > 0 ? 1 : 0);
}

Value round(CallContext&, const Args& a) {
    const std::int32_t places = a.size() > 1 ? toLong(notNull(a[1])) : 0;
    if (places < 0) fail();
    if (a[0].isNull()) return Value::null();
    const double r = roundBankers(toNumber(a[0]), places);
    if (a[0].get<std::int16_t>() || a[0].get<std::int32_t>()) return a[0];
    if (a[0].get<bool>() || a[0].isEmpty()) return static_cast<std::int16_t>(r);
    if (a[0].get<float>()) return static_cast<float>(r);
    if (a[0].get<Currency>()) {
        const auto c = Currency::fromDouble(r);
        if (!c) fail();
        return *c;
    }
    return checkedDouble(r);
}

constexpr BuiltinFunction kFunctions[] = {
    {u"CBool", 1, 1, cBool}, {u"CByte", 1, 1, cByte}, {u"CCur", 1, 1, cCur},  {u"CDate", 1, 1, cDate},
    {u"CDbl", 1, 1, cDbl},   {u"CInt", 1, 1, cInt},   {u"CLng", 1, 1, cLng},  {u"CSng", 1, 1, cSng},
    {u"CStr", 1, 1, cStr},   {u"Hex", 1, 1, hex},     {u"Oct", 1, 1, oct},    {u"Fix", 1, 1, fix},
    {u"Int", 1, 1, intPart}, {u"Abs", 1, 1, abs},     {u"Sgn", 1, 1, sgn},    {u"Round", 1, 2, round},
};

}  // namespace

std::span<const BuiltinFunction> conversionFunctions() {
    return kFunctions;
}

}  // namespace ky::expr
