#pragma once
// Reads tokens by the language's operator precedence and evaluates as it
// reads (the language evaluates every operand, so nothing is deferred):
//   ^  >  unary -  >  * /  >  \  >  Mod  >  + -  >  &  >  = <> < > <= >= Is
//   >  Not  >  And  >  Or  >  Xor  >  Eqv  >  Imp
// Nesting is bounded by kMaxNesting.

#include "report/engine/expression/builtin_function.h"
#include "report/engine/expression/tokenizer.h"

namespace ky::expr {

inline constexpr int kMaxNesting = 100;

// Fails (ExpressionError) on syntax errors, unknown names, objects and every
// failing operation.
Value evaluateTokens(const QList<Token>& tokens, CallContext& context);

}  // namespace ky::expr
