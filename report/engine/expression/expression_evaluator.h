#pragma once
// `EvaluateExpression`: the value of an expression in the scripting language's
// expression syntax (what text boxes and check boxes write after "="), with
// the report's helpers IIF, Val, XSWS and GetGUID. Sandboxed: there are no
// variables, objects, files, processes or network; every evaluation starts
// from the same state.

#include "platform/guid.h"
#include "report/data/value.h"

#include <QDateTime>
#include <QStringView>

#include <functional>
#include <optional>

namespace ky {

class ExpressionEvaluator {
public:
    using Clock = std::function<QDateTime()>;
    using GuidSource = std::function<Guid()>;

    // Without a clock, Now/Date/Time read the system's local time; without a
    // source, GetGUID makes random identifiers.
    explicit ExpressionEvaluator(Clock clock = {}, GuidSource newGuid = {});

    // The value, or the text "表达式错误" on any failure.
    Value EvaluateExpression(QStringView text) const;
    // The value, or nothing on any failure.
    std::optional<Value> evaluate(QStringView text) const;

private:
    Clock clock_;
    GuidSource newGuid_;
};

// What an expression gives when it fails.
QString expressionErrorText();

// The longest expression text read; longer ones fail.
inline constexpr qsizetype kMaxExpressionLength = 1 << 20;

}  // namespace ky
