#include "report/data/json_reader.h"

#include "report/data/decimal.h"
#include "report/data/shared_texts.h"

namespace ky {

const JsonNode* JsonNode::member(QStringView name) const {
    for (const JsonMember& m : members)
        if (sameText(m.name, name)) return &m.node;  // keys read from the text share their strings
    return nullptr;
}

namespace {

const QString kCrLf = QStringLiteral("\r\n");
// Messages quote the text after the problem; a big file with many problems
// must not turn its error text into copies of itself.
constexpr qsizetype kMaxQuoted = 200;
constexpr int kMaxErrorLines = 100;
// Texts up to this length are shared, up to this many of them.
constexpr qsizetype kMaxSharedLength = 32;
constexpr std::size_t kMaxSharedTexts = 1 << 16;
constexpr std::size_t kMaxSpareLists = 1024;

bool isNumberChar(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' || c == u'E';
}

// How reading one value ended, for the object or array around it.
enum class Outcome {
    Read,    // a value was read
    Failed,  // a failure to report with its description ("desc: key")
    Ended,   // the problem is already reported; end the enclosing object or array
};

class JsonReader {
public:
    JsonReader(QStringView text, JsonItemHook* hook) : text_(text), hook_(hook) {}

    JsonParse parse() {
        JsonParse result;
        skipBlanks();
        if (at(u'{')) {
            result.root = readObject(0);
        } else if (at(u'[')) {
            rootIsArray_ = true;
            result.root = readArray(0);
        }
        if (!result.root) {
            result.errors = QStringLiteral("Invalid JSON");
            return result;
        }
        result.errors = std::move(errors_);
        return result;
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    bool at(char16_t c) const { return !atEnd() && text_[pos_] == c; }
    // Positions in messages count from 1.
    QString position() const { return QString::number(pos_ + 1); }
    // The rest of the text, as far as a message can usefully show it.
    QString rest() const {
        const QStringView tail = text_.sliced(std::min(pos_, text_.size()));
        return tail.size() <= kMaxQuoted ? tail.toString() : tail.first(kMaxQuoted).toString() + QStringLiteral("…");
    }
    QString next20() const { return text_.sliced(std::min(pos_, text_.size())).left(20).toString(); }
    QString last20() const { return text_.right(20).toString(); }
    void error(const QString& line) {
        if (++errorLines_ > kMaxErrorLines) return;
        errors_ += (errorLines_ == kMaxErrorLines ? QStringLiteral("(further errors omitted)") : line) + kCrLf;
    }

    void skipBlanks() {
        bool commentStart = false, inComment = false, inLongComment = false;
        for (; !atEnd(); ++pos_) {
            const char16_t c = text_[pos_].unicode();
            switch (c) {
            case u'\r':
            case u'\n':
                if (!inLongComment) commentStart = inComment = false;
                break;
            case u'\t':
            case u' ':
            case u'(':
            case u')':
                break;
            case u'/':
                if (!inLongComment) {
                    if (commentStart) {
                        commentStart = false;
                        inComment = true;
                    } else {
                        commentStart = true;
                        inComment = inLongComment = false;
                    }
                } else if (commentStart) {
                    commentStart = inComment = inLongComment = false;
                }
                break;
            case u'*':
                if (commentStart) {
                    commentStart = false;
                    inComment = inLongComment = true;
                } else {
                    commentStart = true;
                }
                break;
            default:
                if (!inComment) return;
            }
        }
    }

    // `owner` and `member` name the object and member the value belongs to.
    Outcome readValue(int depth, JsonNode& out, QString& failure, const JsonNode* owner = nullptr,
                      const QString* member = nullptr) {
        skipBlanks();
        if (atEnd()) return readNumber(out, failure);
        switch (text_[pos_].unicode()) {
        case u'{':
        case u'[':
            if (depth + 1 >= kMaxJsonDepth) {
                // Reported once; everything around it ends where it stands.
                if (!tooDeep_)
                    error(QStringLiteral("Nesting deeper than %1 levels at position %2").arg(kMaxJsonDepth).arg(position()));
                tooDeep_ = true;
                return Outcome::Ended;
            }
            out = at(u'{') ? readObject(depth + 1) : readArray(depth + 1, owner, member);
            return Outcome::Read;
        case u'"':
        case u'\'':
            out.scalar = readString();
            return Outcome::Read;
        case u't':
        case u'f':
            return readLiteral(out, {u"true", Value(true)}, {u"false", Value(false)}, QStringLiteral("Invalid Boolean"));
        case u'n':
            return readLiteral(out, {u"null", Value::null()}, {}, QStringLiteral("Invalid null value"));
        default:
            return readNumber(out, failure);
        }
    }

    struct Literal {
        QStringView word;
        Value value;
    };

    // An unknown word is reported and ends the enclosing object or array:
    // the reader would otherwise stand still on it for ever.
    Outcome readLiteral(JsonNode& out, const Literal& first, const Literal& second, const QString& message) {
        for (const Literal* literal : {&first, &second}) {
            if (literal->word.isEmpty() || !text_.sliced(pos_).startsWith(literal->word)) continue;
            out.scalar = literal->value;
            pos_ += literal->word.size();
            return Outcome::Read;
        }
        error(message + QStringLiteral(" at position ") + position() + QStringLiteral(" : ") + rest());
        return Outcome::Ended;
    }

    Outcome readNumber(JsonNode& out, QString& failure) {
        skipBlanks();
        const qsizetype start = pos_;
        while (!atEnd() && isNumberChar(text_[pos_].unicode())) ++pos_;
        if (atEnd()) {
            out.scalar = Value();  // the text ended while collecting
            return Outcome::Read;
        }
        const auto number = Decimal::parse(text_.sliced(start, pos_ - start));
        if (!number) {
            failure = QStringLiteral("Type mismatch");  // what the platform's decimal conversion says
            return Outcome::Failed;
        }
        out.scalar = Value(*number);
        return Outcome::Read;
    }

    QString readString() {
        skipBlanks();
        const QChar quote = text_[pos_++];
        // Short texts without escapes repeat from row to row (units, flags,
        // names of tests): they share one copy, as keys do.
        const qsizetype close = pos_ + kMaxSharedLength < text_.size() ? pos_ + kMaxSharedLength + 1 : text_.size();
        for (qsizetype end = pos_; end < close; ++end) {
            if (text_[end] == u'\\') break;
            if (text_[end] == quote) {
                const QString text = interned(text_.sliced(pos_, end - pos_));
                pos_ = end + 1;
                return text;
            }
        }
        QString collected;
        while (!atEnd()) {
            // Runs without the quote or a backslash are copied at once.
            qsizetype end = pos_;
            while (end < text_.size() && text_[end] != quote && text_[end] != u'\\') ++end;
            collected += text_.sliced(pos_, end - pos_);
            pos_ = end;
            if (atEnd()) break;
            const QChar c = text_[pos_++];
            if (c == quote) return collected;
            if (atEnd()) {
                collected += c;  // a backslash at the very end stays
                break;
            }
            const QChar e = text_[pos_++];
            switch (e.unicode()) {
            case u'b': collected += QChar(8); break;
            case u'f': collected += QChar(12); break;
            case u'n': collected += QChar(10); break;
            case u'r': collected += QChar(13); break;
            case u't': collected += QChar(9); break;
            case u'u': {
                const QStringView digits = text_.sliced(pos_).left(4);
                pos_ += digits.size();
                char16_t unit = 0;
                for (QChar d : digits) {
                    const int v = QStringView(u"0123456789abcdef").indexOf(d.toLower());
                    if (v < 0) break;  // a non-hexadecimal character ends the number
                    unit = static_cast<char16_t>(unit * 16 + v);
                }
                collected += QChar(unit);
                break;
            }
            default:
                collected += e;  // quotes, backslash, slash; anything else loses its backslash
            }
        }
        return collected;  // no closing quote: what was collected, without an error
    }

    // Keys repeat in every row: the same text shares one string.
    QString interned(QStringView key) { return shared_.get(key); }

    // "name": with nothing to drop inside, read in one go.
    std::optional<QString> readPlainKey() {
        if (!at(u'"') && !at(u'\'')) return std::nullopt;
        const QChar quote = text_[pos_];
        qsizetype end = pos_ + 1;
        while (end < text_.size() && text_[end] != quote) {
            const char16_t c = text_[end].unicode();
            if (c == u':' || c == u'\r' || c == u'\n' || c == u'\t' || c == u' ' || c == u'"' || c == u'\'') return std::nullopt;
            ++end;
        }
        if (end + 1 >= text_.size() || text_[end + 1] != u':') return std::nullopt;
        const QString key = interned(text_.sliced(pos_ + 1, end - pos_ - 1));
        pos_ = end + 2;
        return key;
    }

    QString readKey() {
        skipBlanks();
        if (auto plain = readPlainKey()) return *plain;
        QString key;
        bool doubleQuoted = false, singleQuoted = false;
        while (!atEnd()) {
            const QChar c = text_[pos_];
            if (c == u'"' || c == u'\'') {
                bool& state = c == u'"' ? doubleQuoted : singleQuoted;
                ++pos_;
                state = !state;
                if (!state) {  // a quoted part closed: a colon must follow
                    skipBlanks();
                    if (!at(u':')) {
                        error(QStringLiteral("Invalid Key at position ") + position() + QStringLiteral(" : ") + key);
                        return key;
                    }
                }
                continue;
            }
            ++pos_;
            if (c == u':') {
                if (!doubleQuoted && !singleQuoted) return key;
                key += c;
            } else if (c != u'\r' && c != u'\n' && c != u'\t' && c != u' ') {
                key += c;
            }
        }
        return key;
    }

    JsonNode readObject(int depth) {
        JsonNode object;
        object.kind = JsonNode::Kind::Object;
        if (spareMembers_.empty()) {
            object.members.reserve(8);
        } else {
            object.members = std::move(spareMembers_.back());
            spareMembers_.pop_back();
        }
        skipBlanks();
        if (!at(u'{')) {
            error(QStringLiteral("Invalid Object at position ") + position() + QStringLiteral(" : ") + rest());
            return object;
        }
        ++pos_;
        while (true) {
            skipBlanks();
            if (atEnd()) {
                error(QStringLiteral("Missing '}': ") + last20());
                return object;
            }
            if (at(u'}')) {
                ++pos_;
                return object;
            }
            if (at(u',')) {
                ++pos_;
                skipBlanks();
            }
            QString key = readKey();
            JsonNode value;
            QString failure;
            const Outcome outcome = readValue(depth, value, failure, &object, &key);
            if (outcome == Outcome::Ended) return object;
            // Too deep further down: keep what was read of this value, then end.
            if (tooDeep_) {
                if (outcome == Outcome::Read && !object.member(key)) object.members.push_back(JsonMember{key, std::move(value)});
                return object;
            }
            if (outcome == Outcome::Read && object.member(key)) failure = QStringLiteral("This key is already associated with an element of this collection");
            if (outcome == Outcome::Failed || !failure.isEmpty()) {
                error(failure + QStringLiteral(": ") + key);
                return object;
            }
            object.members.push_back(JsonMember{std::move(key), std::move(value)});
        }
    }

    JsonNode readArray(int depth, const JsonNode* owner = nullptr, const QString* member = nullptr) {
        // The top-level array hands its elements over, and arrays that are members of them their items.
        const bool offerElements = hook_ && rootIsArray_ && depth == 0;
        const bool offerItems = hook_ && rootIsArray_ && depth == 2 && owner;
        JsonNode array;
        array.kind = JsonNode::Kind::Array;
        skipBlanks();
        if (!at(u'[')) {
            error(QStringLiteral("Invalid Array at position ") + position() + QStringLiteral(" : ") + next20());
            return array;
        }
        ++pos_;
        while (true) {
            skipBlanks();
            if (atEnd()) {
                error(QStringLiteral("Missing ']': ") + last20());
                return array;
            }
            if (at(u']')) {
                ++pos_;
                return array;
            }
            if (at(u',')) {
                ++pos_;
                skipBlanks();
            }
            JsonNode value;
            QString failure;
            const Outcome outcome = readValue(depth, value, failure);
            if (outcome == Outcome::Ended) return array;
            if (outcome == Outcome::Failed) {
                error(failure + QStringLiteral(": ") + next20());
                return array;
            }
            const bool taken = (offerItems && hook_->takeItem(*owner, *member, value)) ||
                               (offerElements && hook_->takeElement(value));
            if (taken)
                recycle(value);
            else
                array.items.push_back(std::move(value));
            if (tooDeep_) return array;  // too deep further down: what was read is kept, then the array ends
        }
    }

    // Rows taken by the hook leave their member lists for the next rows:
    // one allocation less for every object of the data.
    void recycle(JsonNode& node) {
        for (JsonMember& m : node.members) recycle(m.node);
        for (JsonNode& item : node.items) recycle(item);
        if (node.members.capacity() == 0 || spareMembers_.size() >= kMaxSpareLists) return;
        node.members.clear();
        spareMembers_.push_back(std::move(node.members));
    }

    QStringView text_;
    qsizetype pos_ = 0;
    QString errors_;
    int errorLines_ = 0;
    bool tooDeep_ = false;
    SharedTexts shared_{kMaxSharedTexts};
    JsonItemHook* hook_ = nullptr;
    bool rootIsArray_ = false;
    std::vector<std::vector<JsonMember>> spareMembers_;
};

}  // namespace

JsonParse ParseJson(QStringView text) { return JsonReader(text, nullptr).parse(); }

JsonParse ParseJson(QStringView text, JsonItemHook& hook) { return JsonReader(text, &hook).parse(); }

}  // namespace ky
