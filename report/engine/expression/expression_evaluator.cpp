#include "report/engine/expression/expression_evaluator.h"

#include "report/engine/expression/expression_error.h"
#include "report/engine/expression/expression_parser.h"
#include "report/engine/expression/tokenizer.h"

namespace ky {

ExpressionEvaluator::ExpressionEvaluator(Clock clock, GuidSource newGuid) : clock_(std::move(clock)), newGuid_(std::move(newGuid)) {}

QString expressionErrorText() {
    return QStringLiteral("表达式错误");
}

std::optional<Value> ExpressionEvaluator::evaluate(QStringView text) const {
    if (text.size() > kMaxExpressionLength) return std::nullopt;
    expr::CallContext context{clock_ ? clock_() : QDateTime::currentDateTime(), newGuid_, {}};
    try {
        return expr::evaluateTokens(expr::tokenize(text), context);
    } catch (const expr::ExpressionError&) {
        return std::nullopt;
    }
}

Value ExpressionEvaluator::EvaluateExpression(QStringView text) const {
    auto value = evaluate(text);
    return value ? std::move(*value) : Value(expressionErrorText());
}

}  // namespace ky
