#include "report/engine/expression/tokenizer.h"

#include "report/engine/expression/expression_error.h"
#include "report/engine/expression/variant_conversion.h"
#include "report/engine/format/date_parts.h"
#include "report/engine/format/numeric_text.h"

#include <limits>

namespace ky::expr {

namespace {

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

class Lexer {
public:
    explicit Lexer(QStringView text) : text_(text) {}

    QList<Token> run() {
        QList<Token> tokens;
        for (;;) {
            while (at(0) == u' ' || at(0) == u'\t') ++pos_;
            if (pos_ >= text_.size()) break;
            tokens.append(next());
        }
        tokens.append(Token{});
        return tokens;
    }

private:
    QChar at(qsizetype offset) const {
        return pos_ + offset < text_.size() ? text_[pos_ + offset] : QChar();
    }

    Token next() {
        const QChar c = at(0);
        if (isAsciiDigit(c) || (c == u'.' && isAsciiDigit(at(1)))) return number();
        if (c == u'&' && (at(1) == u'H' || at(1) == u'h' || at(1) == u'O' || at(1) == u'o')) return radixNumber();
        if (c == u'"') return text();
        if (c == u'#') return date();
        if (isAsciiLetter(c)) return name();
        if (c == u'[') return bracketedName();
        ++pos_;
        switch (c.unicode()) {
        case u'(': return {TokenKind::LeftParen, {}, {}};
        case u')': return {TokenKind::RightParen, {}, {}};
        case u',': return {TokenKind::Comma, {}, {}};
        case u'<':
            if (at(0) == u'>' || at(0) == u'=') return op(QString(c) + text_[pos_++]);
            return op(QString(c));
        case u'>':
            if (at(0) == u'=') return op(QString(c) + text_[pos_++]);
            return op(QString(c));
        case u'+': case u'-': case u'*': case u'/': case u'\\': case u'^': case u'&': case u'=': return op(QString(c));
        default: fail();
        }
    }

    static Token op(QString text) {
        return {TokenKind::Operator, std::move(text), {}};
    }

    Token number() {
        const qsizetype start = pos_;
        bool fraction = false;
        while (isAsciiDigit(at(0))) ++pos_;
        if (at(0) == u'.') {
            fraction = true;
            ++pos_;
            while (isAsciiDigit(at(0))) ++pos_;
        }
        if ((at(0) == u'e' || at(0) == u'E') && (isAsciiDigit(at(1)) || ((at(1) == u'+' || at(1) == u'-') && isAsciiDigit(at(2))))) {
            fraction = true;
            pos_ += 2;
            while (isAsciiDigit(at(0))) ++pos_;
        }
        if (isAsciiLetter(at(0))) fail();  // "12abc"
        bool ok = false;
        const double value = text_.mid(start, pos_ - start).toDouble(&ok);
        if (!ok) fail();
        if (!fraction && value <= std::numeric_limits<std::int16_t>::max()) return literal(static_cast<std::int16_t>(value));
        if (!fraction && value <= std::numeric_limits<std::int32_t>::max()) return literal(static_cast<int>(value));
        return literal(checkedDouble(value));
    }

    Token radixNumber() {
        const int base = (at(1) == u'H' || at(1) == u'h') ? 16 : 8;
        pos_ += 2;
        const qsizetype start = pos_;
        while (isAsciiDigit(at(0)) || isAsciiLetter(at(0))) ++pos_;
        const auto value = readRadixLiteral(text_.mid(start, pos_ - start), base);
        if (!value) fail();
        if (at(0) == u'&') ++pos_;  // the 32-bit type mark
        return literal(*value);
    }

    Token text() {
        QString out;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size()) fail();
            const QChar c = text_[pos_++];
            if (c == u'"') {
                if (at(0) != u'"') break;
                ++pos_;
            }
            out += c;
        }
        return literal(std::move(out));
    }

    Token date() {
        const qsizetype end = text_.indexOf(u'#', pos_ + 1);
        if (end < 0) fail();
        const auto value = readDate(text_.mid(pos_ + 1, end - pos_ - 1));
        if (!value) fail();
        pos_ = end + 1;
        return literal(*value);
    }

    Token name() {
        const qsizetype start = pos_;
        while (isAsciiLetter(at(0)) || isAsciiDigit(at(0)) || at(0) == u'_') ++pos_;
        return {TokenKind::Name, text_.mid(start, pos_ - start).toString(), {}};
    }

    Token bracketedName() {
        const qsizetype end = text_.indexOf(u']', pos_);
        if (end < 0) fail();
        Token t{TokenKind::Name, text_.mid(pos_ + 1, end - pos_ - 1).toString(), {}};
        pos_ = end + 1;
        return t;
    }

    static Token literal(Value v) {
        return {TokenKind::Literal, {}, std::move(v)};
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

}  // namespace

QList<Token> tokenize(QStringView text) {
    return Lexer(text).run();
}

}  // namespace ky::expr
