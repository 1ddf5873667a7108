#pragma once
// Splits expression text into tokens: numbers (decimal, "&H" hexadecimal,
// "&O" octal), texts in double quotation marks ("" for one mark), #date#
// literals, names (plain or in square brackets), operators, parentheses and
// commas. Keywords are names; the parser tells them apart.

#include "report/data/value.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace ky::expr {

enum class TokenKind : std::uint8_t { Literal, Name, Operator, LeftParen, RightParen, Comma, End };

struct Token {
    TokenKind kind = TokenKind::End;
    QString text;  // the name or operator
    Value value;   // the literal's value
};

// Fails (ExpressionError) on characters and literals it cannot read.
QList<Token> tokenize(QStringView text);

}  // namespace ky::expr
