// Sqr Exp Log Sin Cos Tan Atn Rnd.
#include "report/engine/expression/builtin_function.h"
#include "report/engine/expression/expression_error.h"
#include "report/engine/expression/variant_conversion.h"

#include <cmath>
#include <cstring>

namespace ky::expr {

namespace {

template <double (*F)(double), bool (*Allowed)(double)>
Value unary(CallContext&, const Args& a) {
    if (a[0].isNull()) return Value::null();
    const double x = toNumber(a[0]);
    if (!Allowed(x)) fail();
    return checkedDouble(F(x));
}

bool any(double) { return true; }
bool notNegative(double x) { return x >= 0; }
bool positive(double x) { return x > 0; }

double sqr(double x) { return std::sqrt(x); }
double exp(double x) { return std::exp(x); }
double log(double x) { return std::log(x); }
double sin(double x) { return std::sin(x); }
double cos(double x) { return std::cos(x); }
double tan(double x) { return std::tan(x); }
double atn(double x) { return std::atan(x); }

// The language's generator: 24-bit state, x' = (x × 0x43FD43FD + 0xC39EC3) mod 2^24.
Value rnd(CallContext& context, const Args& a) {
    RandomState& r = context.random;
    const double n = a.isEmpty() ? 1 : toNumber(a[0]);
    if (n == 0 && r.last != 0) return static_cast<float>(r.last);
    if (n < 0) {
        const float f = static_cast<float>(n);
        std::uint32_t bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        r.seed = (bits + (bits >> 24)) & 0xFFFFFF;
    }
    r.seed = (r.seed * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    r.last = static_cast<double>(r.seed) / 16777216.0;
    return static_cast<float>(r.last);
}

constexpr BuiltinFunction kFunctions[] = {
    {u"Sqr", 1, 1, unary<sqr, notNegative>}, {u"Exp", 1, 1, unary<exp, any>}, {u"Log", 1, 1, unary<log, positive>},
    {u"Sin", 1, 1, unary<sin, any>},         {u"Cos", 1, 1, unary<cos, any>}, {u"Tan", 1, 1, unary<tan, any>},
    {u"Atn", 1, 1, unary<atn, any>},         {u"Rnd", 0, 1, rnd},
};

}  // namespace

std::span<const BuiltinFunction> mathFunctions() {
    return kFunctions;
}

}  // namespace ky::expr
