#pragma once
// Record-set filter conditions: the text form hosts and templates write
// ("Name = 'Li' and (Age >= 30 or Age = 0)") and its parsed tree.

#include "report/data/value.h"
#include "platform/result.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace ky {

enum class FilterOp { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual, Like };

struct FilterCondition {
    QString field;
    FilterOp op = FilterOp::Equal;
    Value literal;  // null for "= NULL" / "IS NULL"
};

struct FilterNode {
    enum class Kind { Condition, And, Or };
    Kind kind = Kind::Condition;
    FilterCondition condition;
    std::vector<FilterNode> children;
};

// Deeper nesting of parentheses is refused.
inline constexpr int maxFilterDepth = 64;

// Grammar: or-list of and-lists of conditions or parenthesised filters; a
// condition is field (a name, or [any name]) op literal, op one of = <> !=
// < > <= >= LIKE, IS [NOT]; literals are 'text' ('' inside for a quote),
// numbers, #date#, TRUE, FALSE, NULL. Keywords ignore case. Errors name the
// filter and the place.
Result<FilterNode> parseFilter(QStringView text);

// LIKE with * or % for any run of characters, without regard to case.
bool likeMatches(QStringView text, QStringView pattern);

}  // namespace ky
