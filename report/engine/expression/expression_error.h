#pragma once
// How the evaluator's parts give up: any failure (syntax, unknown name, type
// mismatch, division by zero, overflow, wrong arguments, limits) throws this;
// `ExpressionEvaluator` turns it into the error text, so it never leaves the
// evaluator.

#include <QtGlobal>

namespace ky::expr {

struct ExpressionError {};

[[noreturn]] inline void fail() {
    throw ExpressionError{};
}

// The longest text an expression may make: larger results are errors, so that
// String(1e9, "x") never allocates.
inline constexpr qsizetype kMaxTextLength = 1 << 20;

}  // namespace ky::expr
