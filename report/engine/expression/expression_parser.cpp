#include "report/engine/expression/expression_parser.h"

#include "report/engine/expression/constants.h"
#include "report/engine/expression/expression_error.h"
#include "report/engine/expression/operators.h"

namespace ky::expr {

namespace {

// Words the grammar reserves: never names of values or functions.
constexpr const char16_t* kKeywords[] = {u"And", u"Or", u"Xor", u"Eqv", u"Imp", u"Not", u"Mod", u"Is", u"Nothing"};

class Parser {
public:
    Parser(const QList<Token>& tokens, CallContext& context) : tokens_(tokens), context_(context) {}

    Value parse() {
        Value v = imp();
        if (peek().kind != TokenKind::End) fail();
        return v;
    }

private:
    // Counts the nesting of operands being read; too deep fails.
    class Nesting {
    public:
        explicit Nesting(int& depth) : depth_(depth) {
            if (++depth_ > kMaxNesting) fail();
        }
        ~Nesting() { --depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        int& depth_;
    };

    const Token& peek() const { return tokens_[pos_]; }

    bool acceptWord(QStringView word) {
        if (peek().kind != TokenKind::Name || peek().text.compare(word, Qt::CaseInsensitive) != 0) return false;
        ++pos_;
        return true;
    }

    bool acceptOperator(QStringView op) {
        if (peek().kind != TokenKind::Operator || peek().text != op) return false;
        ++pos_;
        return true;
    }

    void expect(TokenKind kind) {
        if (peek().kind != kind) fail();
        ++pos_;
    }

    // A left-associative level: operands from `next`, joined by `word` (or operator).
    template <Value (Parser::*Next)()>
    Value leftAssociative(QStringView word, BinaryOp op, bool isOperator) {
        Value v = (this->*Next)();
        while (isOperator ? acceptOperator(word) : acceptWord(word)) v = applyBinary(op, v, (this->*Next)());
        return v;
    }

    Value imp() { return leftAssociative<&Parser::eqv>(u"Imp", BinaryOp::Imp, false); }
    Value eqv() { return leftAssociative<&Parser::xorLevel>(u"Eqv", BinaryOp::Eqv, false); }
    Value xorLevel() { return leftAssociative<&Parser::orLevel>(u"Xor", BinaryOp::Xor, false); }
    Value orLevel() { return leftAssociative<&Parser::andLevel>(u"Or", BinaryOp::Or, false); }
    Value andLevel() { return leftAssociative<&Parser::notLevel>(u"And", BinaryOp::And, false); }

    Value notLevel() {
        if (!acceptWord(u"Not")) return comparison();
        const Nesting nesting(depth_);
        return logicalNot(notLevel());
    }

    Value comparison() {
        Value v = concat();
        for (;;) {
            if (acceptWord(u"Is")) fail();  // object identity: there are no objects
            std::optional<BinaryOp> op;
            if (peek().kind == TokenKind::Operator) {
                static constexpr struct {
                    const char16_t* text;
                    BinaryOp op;
                } kComparisons[] = {{u"=", BinaryOp::Equal},     {u"<>", BinaryOp::NotEqual},    {u"<", BinaryOp::Less},
                                    {u">", BinaryOp::Greater},   {u"<=", BinaryOp::LessEqual},  {u">=", BinaryOp::GreaterEqual}};
                for (const auto& c : kComparisons)
                    if (peek().text == QStringView(c.text)) op = c.op;
            }
            if (!op) return v;
            ++pos_;
            v = applyBinary(*op, v, concat());
        }
    }

    Value concat() { return leftAssociative<&Parser::additive>(u"&", BinaryOp::Concat, true); }

    Value additive() {
        Value v = modulo();
        for (;;) {
            if (acceptOperator(u"+")) {
                v = applyBinary(BinaryOp::Add, v, modulo());
            } else if (acceptOperator(u"-")) {
                v = applyBinary(BinaryOp::Subtract, v, modulo());
            } else {
                return v;
            }
        }
    }

    Value modulo() { return leftAssociative<&Parser::intDivide>(u"Mod", BinaryOp::Mod, false); }
    Value intDivide() { return leftAssociative<&Parser::multiplicative>(u"\\", BinaryOp::IntDivide, true); }

    Value multiplicative() {
        Value v = unary();
        for (;;) {
            if (acceptOperator(u"*")) {
                v = applyBinary(BinaryOp::Multiply, v, unary());
            } else if (acceptOperator(u"/")) {
                v = applyBinary(BinaryOp::Divide, v, unary());
            } else {
                return v;
            }
        }
    }

    // Unary minus binds less tightly than ^: -2^2 is -4.
    Value unary() {
        if (acceptOperator(u"-")) {
            const Nesting nesting(depth_);
            return negate(unary());
        }
        if (acceptOperator(u"+")) {
            const Nesting nesting(depth_);
            return unary();
        }
        return power();
    }

    Value power() {
        Value v = primary();
        while (acceptOperator(u"^")) v = applyBinary(BinaryOp::Power, v, exponent());
        return v;
    }

    // 2 ^ -1: a sign may start an exponent.
    Value exponent() {
        const Nesting nesting(depth_);
        if (acceptOperator(u"-")) return negate(exponent());
        if (acceptOperator(u"+")) return exponent();
        return primary();
    }

    Value primary() {
        const Nesting nesting(depth_);
        const Token& t = peek();
        switch (t.kind) {
        case TokenKind::Literal: ++pos_; return t.value;
        case TokenKind::LeftParen: {
            ++pos_;
            Value v = imp();
            expect(TokenKind::RightParen);
            return v;
        }
        case TokenKind::Name: ++pos_; return named(t.text);
        default: fail();
        }
    }

    Value named(const QString& name) {
        if (name.compare(u"True", Qt::CaseInsensitive) == 0) return true;
        if (name.compare(u"False", Qt::CaseInsensitive) == 0) return false;
        if (name.compare(u"Empty", Qt::CaseInsensitive) == 0) return Value();
        if (name.compare(u"Null", Qt::CaseInsensitive) == 0) return Value::null();
        for (const char16_t* k : kKeywords)
            if (name.compare(QStringView(k), Qt::CaseInsensitive) == 0) fail();
        if (const auto constant = findConstant(name)) return *constant;
        const BuiltinFunction* f = findFunction(name);
        if (!f) {
            // A name that is no function is a variable never set, Empty, as the
            // script engine has it: a field the data lacks stays "[name]" and
            // counts as 0 or "". Calling it is an error.
            if (peek().kind == TokenKind::LeftParen) fail();
            return Value();
        }
        const Args args = arguments();
        if (args.size() < f->minArgs || args.size() > f->maxArgs) fail();
        return f->call(context_, args);
    }

    Args arguments() {
        Args args;
        if (peek().kind != TokenKind::LeftParen) return args;
        ++pos_;
        if (peek().kind == TokenKind::RightParen) {
            ++pos_;
            return args;
        }
        for (;;) {
            args.append(imp());
            if (peek().kind == TokenKind::Comma) {
                ++pos_;
                continue;
            }
            expect(TokenKind::RightParen);
            return args;
        }
    }

    const QList<Token>& tokens_;
    CallContext& context_;
    qsizetype pos_ = 0;
    int depth_ = 0;
};

}  // namespace

Value evaluateTokens(const QList<Token>& tokens, CallContext& context) {
    return Parser(tokens, context).parse();
}

}  // namespace ky::expr
