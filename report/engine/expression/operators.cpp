#include "report/engine/expression/operators.h"

#include "report/engine/expression/expression_error.h"
#include "report/engine/expression/variant_conversion.h"
#include "report/engine/format/numeric_text.h"

#include <cmath>
#include <limits>

namespace ky::expr {

namespace {

// Result kinds of arithmetic, narrowest first.
enum class Rank : std::uint8_t { Integer, Long, Single, Double, Currency };

Rank rankOf(const Value& v) {
    switch (v.kind()) {
    case Value::Kind::Empty:
    case Value::Kind::Bool:
    case Value::Kind::Int16: return Rank::Integer;
    case Value::Kind::Int32: return Rank::Long;
    case Value::Kind::Single: return Rank::Single;
    case Value::Kind::Currency: return Rank::Currency;
    case Value::Kind::Null:
    case Value::Kind::Bytes: fail();
    default: return Rank::Double;
    }
}

Rank resultRank(Rank a, Rank b) {
    if (a == Rank::Double || b == Rank::Double) return Rank::Double;
    if (a == Rank::Currency || b == Rank::Currency) return (a == Rank::Single || b == Rank::Single) ? Rank::Double : Rank::Currency;
    if (a == Rank::Single || b == Rank::Single) return (a == Rank::Long || b == Rank::Long) ? Rank::Double : Rank::Single;
    if (a == Rank::Long || b == Rank::Long) return Rank::Long;
    return Rank::Integer;
}

// The result in the narrowest kind at or above `rank` that holds it.
Value fitted(double result, Rank rank) {
    if (!std::isfinite(result)) fail();
    switch (rank) {
    case Rank::Integer:
        if (result >= std::numeric_limits<std::int16_t>::min() && result <= std::numeric_limits<std::int16_t>::max())
            return static_cast<std::int16_t>(result);
        [[fallthrough]];
    case Rank::Long:
        if (result >= std::numeric_limits<std::int32_t>::min() && result <= std::numeric_limits<std::int32_t>::max())
            return static_cast<int>(result);
        return result;
    case Rank::Single:
        if (std::fabs(result) <= std::numeric_limits<float>::max()) return static_cast<float>(result);
        return result;
    case Rank::Currency: {
        const auto c = Currency::fromDouble(result);
        if (!c) fail();
        return *c;
    }
    case Rank::Double: return result;
    }
    return result;
}

Value dateOrFail(double days) {
    const OleDate d{days};
    if (!std::isfinite(days)) fail();
    return d;
}

Value arithmetic(BinaryOp op, const Value& a, const Value& b) {
    const bool aDate = a.get<OleDate>() != nullptr, bDate = b.get<OleDate>() != nullptr;
    const double x = toNumber(a), y = toNumber(b);
    if (op == BinaryOp::Add && (aDate || bDate)) return dateOrFail(x + y);
    if (op == BinaryOp::Subtract && aDate) return bDate ? checkedDouble(x - y) : dateOrFail(x - y);
    const Rank rank = resultRank(a.get<QString>() ? Rank::Double : rankOf(a), b.get<QString>() ? Rank::Double : rankOf(b));
    switch (op) {
    case BinaryOp::Add: return fitted(x + y, rank);
    case BinaryOp::Subtract: return fitted(x - y, rank);
    case BinaryOp::Multiply: return fitted(x * y, rank);
    default: break;
    }
    if (op == BinaryOp::Divide) {
        if (y == 0) fail();
        return checkedDouble(x / y);
    }
    if (op == BinaryOp::Power) {
        if (x == 0 && y < 0) fail();
        return checkedDouble(std::pow(x, y));
    }
    // Integer division and remainder work on whole numbers.
    const std::int64_t p = toLong(a), q = toLong(b);
    if (q == 0) fail();
    const Rank whole = rank == Rank::Integer ? Rank::Integer : Rank::Long;
    return fitted(static_cast<double>(op == BinaryOp::IntDivide ? p / q : p % q), whole);
}

Value concat(const Value& a, const Value& b) {
    if (a.isNull() && b.isNull()) return Value::null();
    const QString left = a.isNull() ? QString() : a.toText();
    const QString right = b.isNull() ? QString() : b.toText();
    if (left.size() + right.size() > kMaxTextLength) fail();
    return left + right;
}

// Booleans and texts that say "True"/"False" stay booleans; everything else is bitwise.
bool isBooleanLike(const Value& v) {
    if (v.get<bool>()) return true;
    if (const auto* t = v.get<QString>())
        return t->trimmed().compare(u"true", Qt::CaseInsensitive) == 0 || t->trimmed().compare(u"false", Qt::CaseInsensitive) == 0;
    return false;
}

std::int32_t bitwise(BinaryOp op, std::int32_t x, std::int32_t y) {
    switch (op) {
    case BinaryOp::And: return x & y;
    case BinaryOp::Or: return x | y;
    case BinaryOp::Xor: return x ^ y;
    case BinaryOp::Eqv: return ~(x ^ y);
    default: return ~x | y;  // Imp
    }
}

Value logical(BinaryOp op, const Value& a, const Value& b) {
    if (a.isNull() || b.isNull()) {
        const Value& other = a.isNull() ? b : a;
        if (other.isNull()) return Value::null();
        const bool otherTrue = toBoolean(other);
        switch (op) {
        case BinaryOp::And: return otherTrue ? Value::null() : other;
        case BinaryOp::Or: return otherTrue ? other : Value::null();
        case BinaryOp::Imp:
            if (a.isNull()) return otherTrue ? other : Value::null();
            return otherTrue ? Value::null() : Value(true);
        default: return Value::null();
        }
    }
    if (isBooleanLike(a) && isBooleanLike(b)) return bitwise(op, toBoolean(a) ? -1 : 0, toBoolean(b) ? -1 : 0) != 0;
    const std::int32_t result = bitwise(op, toLong(a), toLong(b));
    const bool narrow = rankOf(a) == Rank::Integer && rankOf(b) == Rank::Integer && !a.get<QString>() && !b.get<QString>();
    return narrow ? Value(static_cast<std::int16_t>(result)) : Value(static_cast<int>(result));
}

int sign(double d) {
    return d < 0 ? -1 : d > 0 ? 1 : 0;
}

}  // namespace

std::optional<int> compareValues(const Value& a, const Value& b, bool ignoreCase) {
    if (a.isNull() || b.isNull()) return std::nullopt;
    if (a.kind() == Value::Kind::Bytes || b.kind() == Value::Kind::Bytes) fail();
    const auto* s = a.get<QString>();
    const auto* t = b.get<QString>();
    if (s && t) return sign(QString::compare(*s, *t, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive));
    if (s || t) {
        const Value& other = s ? b : a;
        const QString& text = s ? *s : *t;
        if (other.isEmpty()) return sign(s ? QString::compare(text, QString()) : QString::compare(QString(), text));
        const auto number = readNumericText(text);
        if (!number) return s ? 1 : -1;  // a number sorts before a text that is none
        return s ? sign(*number - toNumber(b)) : sign(toNumber(a) - *number);
    }
    const double x = toNumber(a), y = toNumber(b);
    return x < y ? -1 : x > y ? 1 : 0;
}

Value applyBinary(BinaryOp op, const Value& a, const Value& b) {
    switch (op) {
    case BinaryOp::Concat: return concat(a, b);
    case BinaryOp::And:
    case BinaryOp::Or:
    case BinaryOp::Xor:
    case BinaryOp::Eqv:
    case BinaryOp::Imp: return logical(op, a, b);
    default: break;
    }
    if (op >= BinaryOp::Equal) {
        const auto c = compareValues(a, b);
        if (!c) return Value::null();
        switch (op) {
        case BinaryOp::Equal: return *c == 0;
        case BinaryOp::NotEqual: return *c != 0;
        case BinaryOp::Less: return *c < 0;
        case BinaryOp::Greater: return *c > 0;
        case BinaryOp::LessEqual: return *c <= 0;
        default: return *c >= 0;
        }
    }
    if (a.isNull() || b.isNull()) return Value::null();
    if (op == BinaryOp::Add && a.get<QString>() && b.get<QString>()) return concat(a, b);
    if (op == BinaryOp::Add && (a.isEmpty() && b.get<QString>())) return b;
    if (op == BinaryOp::Add && (b.isEmpty() && a.get<QString>())) return a;
    return arithmetic(op, a, b);
}

Value negate(const Value& a) {
    if (a.isNull()) return Value::null();
    if (const auto* d = a.get<OleDate>()) return dateOrFail(-d->days);
    const Rank rank = a.get<QString>() ? Rank::Double : rankOf(a);
    return fitted(-toNumber(a), rank);
}

Value logicalNot(const Value& a) {
    if (a.isNull()) return Value::null();
    if (isBooleanLike(a)) return !toBoolean(a);
    const std::int32_t result = ~toLong(a);
    return rankOf(a) == Rank::Integer && !a.get<QString>() ? Value(static_cast<std::int16_t>(result)) : Value(static_cast<int>(result));
}

}  // namespace ky::expr
