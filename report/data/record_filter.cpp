#include "report/data/record_filter.h"

namespace ky {

namespace {

class FilterParser {
public:
    explicit FilterParser(QStringView text) : text_(text) {}

    Result<FilterNode> parse() {
        auto node = parseOr(0);
        if (!node) return node;
        skipBlanks();
        if (pos_ < text_.size()) return error(QStringLiteral("unexpected text"));
        return node;
    }

private:
    Failure error(const QString& what) const {
        return fail(QStringLiteral("invalid filter \"%1\": %2 at position %3").arg(text_.toString(), what).arg(pos_ + 1));
    }

    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_].isSpace()) ++pos_;
    }

    static bool isNameChar(QChar c) {
        return !c.isSpace() && c != u'=' && c != u'<' && c != u'>' && c != u'!' && c != u'(' && c != u')' &&
               c != u'\'' && c != u'#' && c != u'[';
    }

    // Consumes the keyword when it stands as a whole word here.
    bool keyword(QStringView word) {
        skipBlanks();
        const qsizetype end = pos_ + word.size();
        if (end > text_.size() || text_.sliced(pos_, word.size()).compare(word, Qt::CaseInsensitive) != 0) return false;
        if (end < text_.size() && isNameChar(text_[end])) return false;
        pos_ = end;
        return true;
    }

    Result<FilterNode> parseOr(int depth) { return parseList(depth, FilterNode::Kind::Or, u"or"); }
    Result<FilterNode> parseAnd(int depth) { return parseList(depth, FilterNode::Kind::And, u"and"); }

    Result<FilterNode> parseList(int depth, FilterNode::Kind kind, QStringView joiner) {
        auto first = kind == FilterNode::Kind::Or ? parseAnd(depth) : parseFactor(depth);
        if (!first || !keyword(joiner)) return first;  // a single item needs no list
        FilterNode list;
        list.kind = kind;
        list.children.push_back(std::move(first).value());
        do {
            auto next = kind == FilterNode::Kind::Or ? parseAnd(depth) : parseFactor(depth);
            if (!next) return next;
            list.children.push_back(std::move(next).value());
        } while (keyword(joiner));
        return list;
    }

    Result<FilterNode> parseFactor(int depth) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == u'(') {
            if (depth >= maxFilterDepth) return error(QStringLiteral("parentheses nested too deeply"));
            ++pos_;
            auto inner = parseOr(depth + 1);
            if (!inner) return inner;
            skipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != u')') return error(QStringLiteral("missing )"));
            ++pos_;
            return inner;
        }
        return parseCondition();
    }

    Result<FilterNode> parseCondition() {
        FilterNode node;
        auto field = parseFieldName();
        if (!field) return fail(field.error());
        node.condition.field = std::move(field).value();
        auto op = parseOperator();
        if (!op) return fail(op.error());
        node.condition.op = op.value();
        if (isNullTest_) {
            node.condition.literal = Value::null();
            return node;
        }
        auto literal = parseLiteral();
        if (!literal) return fail(literal.error());
        node.condition.literal = std::move(literal).value();
        if (node.condition.literal.isNull() && op.value() != FilterOp::Equal && op.value() != FilterOp::NotEqual)
            return error(QStringLiteral("NULL can only be compared with = or <>"));
        return node;
    }

    Result<QString> parseFieldName() {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == u'[') {
            const qsizetype close = text_.indexOf(u']', pos_ + 1);
            if (close < 0) return error(QStringLiteral("missing ]"));
            QString name = text_.sliced(pos_ + 1, close - pos_ - 1).toString();
            pos_ = close + 1;
            if (name.isEmpty()) return error(QStringLiteral("empty field name"));
            return name;
        }
        const qsizetype start = pos_;
        while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
        if (pos_ == start) return error(QStringLiteral("field name expected"));
        return text_.sliced(start, pos_ - start).toString();
    }

    Result<FilterOp> parseOperator() {
        isNullTest_ = false;
        skipBlanks();
        const QStringView rest = text_.sliced(pos_);
        static const struct {
            const char16_t* symbol;
            FilterOp op;
        } symbols[] = {{u"<>", FilterOp::NotEqual}, {u"!=", FilterOp::NotEqual}, {u"<=", FilterOp::LessOrEqual},
                       {u">=", FilterOp::GreaterOrEqual}, {u"=", FilterOp::Equal}, {u"<", FilterOp::Less},
                       {u">", FilterOp::Greater}};
        for (const auto& s : symbols) {
            const QStringView symbol(s.symbol);
            if (rest.startsWith(symbol)) {
                pos_ += symbol.size();
                return s.op;
            }
        }
        if (keyword(u"like")) return FilterOp::Like;
        if (keyword(u"is")) {
            const bool negated = keyword(u"not");
            if (!keyword(u"null")) return error(QStringLiteral("NULL expected after IS"));
            isNullTest_ = true;
            return negated ? FilterOp::NotEqual : FilterOp::Equal;
        }
        return error(QStringLiteral("comparison operator expected"));
    }

    Result<Value> parseLiteral() {
        skipBlanks();
        if (pos_ >= text_.size()) return error(QStringLiteral("value expected"));
        const QChar c = text_[pos_];
        if (c == u'\'') return parseQuoted();
        if (c == u'#') {
            const qsizetype close = text_.indexOf(u'#', pos_ + 1);
            if (close < 0) return error(QStringLiteral("missing closing #"));
            const auto date = OleDate::parse(text_.sliced(pos_ + 1, close - pos_ - 1));
            if (!date) return error(QStringLiteral("invalid date"));
            pos_ = close + 1;
            return Value(*date);
        }
        if (keyword(u"null")) return Value::null();
        if (keyword(u"true")) return Value(true);
        if (keyword(u"false")) return Value(false);
        const qsizetype start = pos_;
        while (pos_ < text_.size() && (text_[pos_].isDigit() || text_[pos_] == u'.' || text_[pos_] == u'-' ||
                                       text_[pos_] == u'+' || text_[pos_] == u'e' || text_[pos_] == u'E'))
            ++pos_;
        const auto number = parseNumber(text_.sliced(start, pos_ - start));
        if (!number) {
            pos_ = start;
            return error(QStringLiteral("value expected"));
        }
        return Value(*number);
    }

    Result<Value> parseQuoted() {
        QString text;
        qsizetype start = ++pos_;
        while (true) {
            const qsizetype quote = text_.indexOf(u'\'', pos_);
            if (quote < 0) return error(QStringLiteral("unterminated text"));
            // A doubled quote stands for one quote inside the text.
            if (quote + 1 < text_.size() && text_[quote + 1] == u'\'') {
                text += text_.sliced(start, quote + 1 - start);
                pos_ = start = quote + 2;
                continue;
            }
            text += text_.sliced(start, quote - start);
            pos_ = quote + 1;
            return Value(std::move(text));
        }
    }

    QStringView text_;
    qsizetype pos_ = 0;
    bool isNullTest_ = false;
};

}  // namespace

Result<FilterNode> parseFilter(QStringView text) { return FilterParser(text).parse(); }

bool likeMatches(QStringView text, QStringView pattern) {
    // Greedy matching with one back-tracking point: linear in practice.
    qsizetype t = 0, p = 0, starP = -1, starT = 0;
    auto same = [](QChar a, QChar b) { return a == b || a.toCaseFolded() == b.toCaseFolded(); };
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == u'*' || pattern[p] == u'%')) {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && same(pattern[p], text[t])) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && (pattern[p] == u'*' || pattern[p] == u'%')) ++p;
    return p == pattern.size();
}

}  // namespace ky
