#include "report/engine/expression/builtin_function.h"

#include <algorithm>

namespace ky::expr {

const BuiltinFunction* findFunction(QStringView name) {
    for (const auto group : {textFunctions(), conversionFunctions(), mathFunctions(), dateFunctions(), formatFunctions(),
                             typeFunctions(), helperFunctions()}) {
        const auto found = std::find_if(group.begin(), group.end(), [&](const BuiltinFunction& f) {
            return name.compare(QStringView(f.name), Qt::CaseInsensitive) == 0;
        });
        if (found != group.end()) return &*found;
    }
    return nullptr;
}

bool anyNull(const Args& args) {
    return std::any_of(args.begin(), args.end(), [](const Value& v) { return v.isNull(); });
}

Value argOr(const Args& args, qsizetype index, Value fallback) {
    return index < args.size() && !args[index].isEmpty() ? args[index] : std::move(fallback);
}

}  // namespace ky::expr
