#include "report/engine/qt/pdf_text_mapping.h"

#include "report/engine/qt/radical_ideographs.h"

#include <QFile>

#include <algorithm>
#include <map>
#include <optional>

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

// The value of a code of up to eight digits.
std::optional<quint32> codeValue(const QByteArray& pdf, const Token& code) {
    if (code.kind != Token::Code || code.size == 0 || code.size > 8) return std::nullopt;
    quint32 value = 0;
    for (qsizetype k = 0; k < code.size; ++k) {
        const int digit = hexDigit(pdf[code.at + k]);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<quint32>(digit);
    }
    return value;
}

// A text entry: UTF-16 code units, four digits each.
QString codeText(const QByteArray& pdf, const Token& code) {
    QString text;
    if (code.kind != Token::Code || code.size % 4 != 0) return text;
    for (qsizetype k = 0; k < code.size; k += 4) {
        char16_t unit = 0;
        for (qsizetype d = 0; d < 4; ++d) {
            const int digit = hexDigit(pdf[code.at + k + d]);
            if (digit < 0) return {};
            unit = static_cast<char16_t>(unit * 16 + digit);
        }
        text += QChar(unit);
    }
    return text;
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

using TextMap = std::map<quint32, QString>;

// The entries of a map: characters, and ranges with a list or a first text
// (counting up in its last code unit). Ranges are bounded by their codes'
// four digits.
TextMap readTextMap(const QByteArray& pdf, qsizetype from, qsizetype to) {
    TextMap map;
    Tokens tokens(pdf, from, to);
    for (Token token = tokens.next(); token.kind != Token::End; token = tokens.next()) {
        if (isWord(pdf, token, "beginbfchar")) {
            for (Token code = tokens.next(); code.kind == Token::Code; code = tokens.next()) {
                const Token text = tokens.next();
                if (const auto value = codeValue(pdf, code)) map[*value] = codeText(pdf, text);
            }
        } else if (isWord(pdf, token, "beginbfrange")) {
            for (Token first = tokens.next(); first.kind == Token::Code; first = tokens.next()) {
                const Token last = tokens.next(), text = tokens.next();
                const auto low = codeValue(pdf, first), high = codeValue(pdf, last);
                if (text.kind == Token::Open) {
                    quint32 code = low.value_or(0);
                    for (Token listed = tokens.next(); listed.kind == Token::Code; listed = tokens.next())
                        if (low && high && code <= *high) map[code++] = codeText(pdf, listed);
                    continue;
                }
                if (!low || !high || *high < *low || *high - *low > 0xFFFF) continue;
                QString counted = codeText(pdf, text);
                if (counted.isEmpty()) continue;
                for (quint32 code = *low; code <= *high; ++code) {
                    map[code] = counted;
                    counted.back() = QChar(static_cast<char16_t>(counted.back().unicode() + 1));
                }
            }
        }
    }
    return map;
}

QByteArray hexCode(quint32 value, int digits) {
    return QByteArray::number(value, 16).toUpper().rightJustified(digits, '0');
}

QByteArray hexText(const QString& text) {
    QByteArray hex;
    for (const QChar unit : text) hex += hexCode(unit.unicode(), 4);
    return hex;
}

// The entries as character lists of at most a hundred each, as maps hold them.
QByteArray writeTextMap(const TextMap& map) {
    QByteArray out;
    auto entry = map.begin();
    while (entry != map.end()) {
        QByteArray block;
        int count = 0;
        for (; entry != map.end() && count < 100; ++entry) {
            if (entry->second.isEmpty() || entry->first > 0xFFFF) continue;
            block += '<' + hexCode(entry->first, 4) + "> <" + hexText(entry->second) + ">\n";
            ++count;
        }
        if (count) out += QByteArray::number(count) + " beginbfchar\n" + block + "endbfchar\n";
    }
    return out;
}

// Where object `number` starts ("N 0 obj" at the start of a line), or -1.
qsizetype objectStart(const QByteArray& pdf, int number) {
    const QByteArray head = QByteArray::number(number) + " 0 obj";
    for (qsizetype at = pdf.indexOf(head); at >= 0; at = pdf.indexOf(head, at + 1))
        if (at == 0 || pdf[at - 1] == '\n' || pdf[at - 1] == '\r') return at;
    return -1;
}

// The object number after `key` in the object at `at` ("/ToUnicode 12 0 R").
int referenceIn(const QByteArray& pdf, qsizetype at, QByteArrayView key) {
    const qsizetype end = pdf.indexOf("endobj", at);
    const qsizetype found = pdf.indexOf(key, at);
    if (end < 0 || found < 0 || found > end) return 0;
    qsizetype digit = found + key.size();
    while (digit < end && isSpace(pdf[digit])) ++digit;
    int number = 0;
    for (; digit < end && pdf[digit] >= '0' && pdf[digit] <= '9' && number < 100000000; ++digit)
        number = number * 10 + (pdf[digit] - '0');
    return number;
}

// A font's text map with the noted entries in place of the writer's: the
// map's head (its code space) as written, the character and range lists
// written anew. Empty when the font has no plain map to complete.
QByteArray completedMap(const QByteArray& pdf, int mapObject, const std::vector<PdfFontText::Entry>& noted) {
    const qsizetype at = objectStart(pdf, mapObject);
    if (at < 0) return {};
    const qsizetype end = pdf.indexOf("endobj", at);
    const qsizetype streamAt = pdf.indexOf("stream", at);
    if (end < 0 || streamAt < 0 || streamAt > end) return {};
    const qsizetype body = pdf.indexOf('\n', streamAt) + 1;
    const qsizetype bodyEnd = pdf.lastIndexOf("endstream", end);
    const qsizetype begin = pdf.indexOf("begincmap", body);
    const qsizetype listsAt = pdf.indexOf("endcodespacerange", body);
    const qsizetype close = pdf.indexOf("endcmap", body);
    if (body <= 0 || bodyEnd < body || begin < 0 || listsAt < 0 || close < 0 || close > bodyEnd || listsAt > close)
        return {};
    TextMap map = readTextMap(pdf, listsAt, close);
    for (const auto& entry : noted) map[entry.code] = entry.text;
    const qsizetype listsStart = listsAt + qstrlen("endcodespacerange");
    return pdf.mid(body, listsStart - body) + '\n' + writeTextMap(map) + pdf.mid(close, bodyEnd - close);
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

int completeTextMaps(QByteArray& pdf, const std::vector<PdfFontText>& fonts) {
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    const qsizetype dictionary = trailer < 0 ? -1 : pdf.indexOf("<<", trailer);
    if (startxref < 0 || dictionary < 0 || dictionary > startxref) return 0;
    const QByteArray previous = pdf.mid(startxref + qstrlen("startxref")).trimmed().split('\n').value(0).trimmed();
    const QByteArray oldTrailer = pdf.mid(dictionary + 2, startxref - dictionary - 2).trimmed();

    QByteArray update;
    std::map<int, qsizetype> offsets;
    for (const auto& font : fonts) {
        const qsizetype fontAt = objectStart(pdf, font.fontObject);
        const int mapObject = fontAt < 0 ? 0 : referenceIn(pdf, fontAt, "/ToUnicode");
        if (mapObject <= 0 || offsets.count(mapObject)) continue;
        const QByteArray map = completedMap(pdf, mapObject, font.entries);
        if (map.isEmpty()) continue;
        if (update.isEmpty() && !pdf.endsWith('\n')) update += '\n';
        offsets[mapObject] = pdf.size() + update.size();
        update += QByteArray::number(mapObject) + " 0 obj\n<< /Length " + QByteArray::number(map.size()) +
                  " >>\nstream\n" + map + "\nendstream\nendobj\n";
    }
    if (offsets.empty()) return 0;
    const qsizetype xref = pdf.size() + update.size();
    update += "xref\n0 1\n0000000000 65535 f \n";
    for (const auto& [object, offset] : offsets)
        update += QByteArray::number(object) + " 1\n" + QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    // The old trailer's entries (size, root, info, identity) stand, with the section before this one.
    update += "trailer\n<< /Prev " + previous + ' ' + oldTrailer.left(oldTrailer.lastIndexOf(">>")).trimmed() +
              " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    pdf += update;
    return static_cast<int>(offsets.size());
}

// Only what changed is written: the maps' entries in place (their length
// stays) and the update after the end. A long report's file is not copied.
Status mendPdfText(const QString& path, const std::vector<PdfFontText>& fonts) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return fail(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    QByteArray pdf = file.readAll();
    const qsizetype written = pdf.size();
    // Radicals first: the completed maps keep the writer's entries they do not replace.
    const bool radicals = mapRadicalsToIdeographs(pdf) > 0;
    const bool completed = completeTextMaps(pdf, fonts) > 0;
    const auto put = [&](qsizetype at, qsizetype size) {
        return file.seek(at) && file.write(pdf.constData() + at, size) == size;
    };
    if (radicals) {
        const qsizetype first = pdf.indexOf("begincmap"), last = pdf.lastIndexOf("endcmap", written - 1);
        if (!put(first, last - first)) return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    }
    if (completed && !put(written, pdf.size() - written))
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return {};
}

}  // namespace ky
