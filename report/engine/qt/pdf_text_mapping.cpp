#include "report/engine/qt/pdf_text_mapping.h"

#include "report/engine/qt/radical_ideographs.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace ky {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

// The words of a map: "<hex>" codes, "[" and "]", and the rest ("beginbfrange", counts).
struct Token {
    enum Kind { Code, Open, Close, Word, End } kind = End;
    qsizetype at = 0, size = 0;  // for a code, its digits
};

class Tokens {
public:
    Tokens(const QByteArray& pdf, qsizetype from, qsizetype to) : pdf_(pdf), at_(from), to_(to) {}

    Token next() {
        while (at_ < to_ && isSpace(pdf_[at_])) ++at_;
        if (at_ >= to_) return {};
        const qsizetype start = at_;
        if (pdf_[at_] == '[' || pdf_[at_] == ']') return {pdf_[at_++] == '[' ? Token::Open : Token::Close, start, 1};
        if (pdf_[at_] == '<') {
            // Codes are at most 8 digits (a surrogate pair): a '<' without a
            // near '>' is no code, and the search stays short.
            const qsizetype limit = std::min(to_, at_ + 10);
            qsizetype close = at_ + 1;
            while (close < limit && pdf_[close] != '>') ++close;
            if (close < limit) {
                at_ = close + 1;
                return {Token::Code, start + 1, close - start - 1};
            }
        }
        while (at_ < to_ && !isSpace(pdf_[at_]) && pdf_[at_] != '[' && pdf_[at_] != '<') ++at_;
        if (at_ == start) ++at_;
        return {Token::Word, start, at_ - start};
    }

private:
    const QByteArray& pdf_;
    qsizetype at_, to_;
};

// Points a four-digit code at its ideograph when it is a radical.
int mendCode(QByteArray& pdf, const Token& code) {
    if (code.kind != Token::Code || code.size != 4) return 0;
    int value = 0;
    for (qsizetype k = 0; k < 4; ++k) {
        const int digit = hexDigit(pdf[code.at + k]);
        if (digit < 0) return 0;
        value = value * 16 + digit;
    }
    const char16_t ideograph = equivalentIdeograph(static_cast<char16_t>(value));
    if (!ideograph) return 0;
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int k = 0; k < 4; ++k) pdf[code.at + k] = kHex[(ideograph >> (12 - 4 * k)) & 0xF];
    return 1;
}

bool sameCode(const QByteArray& pdf, const Token& a, const Token& b) {
    return a.kind == Token::Code && b.kind == Token::Code &&
           QByteArrayView(pdf).sliced(a.at, a.size).compare(QByteArrayView(pdf).sliced(b.at, b.size), Qt::CaseInsensitive) == 0;
}

bool isWord(const QByteArray& pdf, const Token& token, QByteArrayView word) {
    return token.kind == Token::Word && QByteArrayView(pdf).sliced(token.at, token.size) == word;
}

// A range entry is "<first> <last> [<code> ...]", one code for each, or
// "<first> <last> <code>", codes counting up from it: only the code of a
// single-code range is mended there. A character entry is "<glyph> <code>".
int mendMap(QByteArray& pdf, qsizetype from, qsizetype to) {
    Tokens tokens(pdf, from, to);
    int changed = 0;
    for (Token token = tokens.next(); token.kind != Token::End; token = tokens.next()) {
        if (isWord(pdf, token, "beginbfchar")) {
            for (Token glyph = tokens.next(); glyph.kind == Token::Code; glyph = tokens.next())
                changed += mendCode(pdf, tokens.next());
        } else if (isWord(pdf, token, "beginbfrange")) {
            for (Token first = tokens.next(); first.kind == Token::Code; first = tokens.next()) {
                const Token last = tokens.next(), code = tokens.next();
                if (code.kind == Token::Open)
                    for (Token listed = tokens.next(); listed.kind == Token::Code; listed = tokens.next())
                        changed += mendCode(pdf, listed);
                else if (sameCode(pdf, first, last))
                    changed += mendCode(pdf, code);
            }
        }
    }
    return changed;
}

}  // namespace

int mapRadicalsToIdeographs(QByteArray& pdf) {
    int changed = 0;
    for (qsizetype at = pdf.indexOf("begincmap"); at >= 0; at = pdf.indexOf("begincmap", at)) {
        const qsizetype end = pdf.indexOf("endcmap", at);
        if (end < 0) break;
        changed += mendMap(pdf, at, end);
        at = end;
    }
    return changed;
}

Status mapRadicalsToIdeographs(const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1: %2").arg(path, in.errorString()));
    QByteArray pdf = in.readAll();
    in.close();
    if (mapRadicalsToIdeographs(pdf) == 0) return {};
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(pdf) != pdf.size() || !out.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, out.errorString()));
    return {};
}

}  // namespace ky
