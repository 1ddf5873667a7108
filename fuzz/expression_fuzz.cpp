// Evaluates arbitrary text as an expression. Every input either gives a value
// or fails with the error text; nothing crashes, hangs or makes huge texts.
#include "report/engine/expression/expression_evaluator.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ky::ExpressionEvaluator evaluator([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); });
    const auto value = evaluator.evaluate(text);
    if (!value) {
        ky::fuzz::check(evaluator.EvaluateExpression(text) == ky::Value(ky::expressionErrorText()), "a failure without the error text");
        return 0;
    }
    ky::fuzz::check(value->toText().size() <= (1 << 20), "a text beyond the length bound");
    return 0;
}
