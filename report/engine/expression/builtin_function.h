#pragma once
// The functions expressions may call: a table per group (text, conversion,
// mathematics, date and time, formatting, type tests, the report's helpers),
// looked up by name without regard to case.

#include "platform/guid.h"
#include "report/data/value.h"

#include <QDateTime>
#include <QList>

#include <cstdint>
#include <functional>
#include <span>

namespace ky::expr {

// The generator behind Rnd: 24-bit linear congruential, seeded the same way
// for every evaluation, so an expression's random numbers repeat.
struct RandomState {
    std::uint32_t seed = 0x50000;
    double last = 0;
};

struct CallContext {
    QDateTime now;                   // local date and time of the evaluation
    std::function<Guid()> newGuid;   // for GetGUID
    RandomState random;
};

using Args = QList<Value>;

struct BuiltinFunction {
    const char16_t* name;
    int minArgs;
    int maxArgs;
    Value (*call)(CallContext& context, const Args& args);
};

std::span<const BuiltinFunction> textFunctions();
std::span<const BuiltinFunction> conversionFunctions();
std::span<const BuiltinFunction> mathFunctions();
std::span<const BuiltinFunction> dateFunctions();
std::span<const BuiltinFunction> formatFunctions();
std::span<const BuiltinFunction> typeFunctions();
std::span<const BuiltinFunction> helperFunctions();

// Nothing when no function has that name.
const BuiltinFunction* findFunction(QStringView name);

// Argument helpers the groups share.
bool anyNull(const Args& args);
// The optional argument `index`, or `fallback` when it is missing or empty.
Value argOr(const Args& args, qsizetype index, Value fallback);

}  // namespace ky::expr
