// The registry-export text format, read and written through the tree's own
// key and value operations.

#include "platform/registry_store.h"

#include <QStringDecoder>

#include <vector>

namespace ky {

namespace {

constexpr QStringView kHeader = u"Windows Registry Editor Version 5.00";
const QString kLineEnd = QStringLiteral("\r\n");

// Our registry files are a few kilobytes. These limits keep a hostile file
// from costing much memory or time: each byte of a key line can make a key
// (about 200 bytes in memory), and the tree is read and written through
// paths, so each key and value costs a walk down its path, which the path
// limit bounds. 255 characters is the key-name limit Windows documents.
constexpr qsizetype kMaxTextBytes = 1024 * 1024;
constexpr qsizetype kMaxKeyPath = 255;
constexpr qsizetype kMaxValueName = 16383;

// --- writing ---------------------------------------------------------------

QString quoted(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (QChar c : text) {
        if (c == u'\\' || c == u'"') out += u'\\';
        out += c;
    }
    out += u'"';
    return out;
}

QString valueText(const RegistryValue& value) {
    if (value.kind == RegistryValue::Kind::Dword)
        return QStringLiteral("dword:%1").arg(value.dword, 8, 16, QLatin1Char('0'));
    return quoted(value.text);
}

void writeKey(QString& out, const RegistryTree& tree, Hive hive, const QString& path, const QStringList& names) {
    out += u'[' + hiveLongName(hive);
    if (!path.isEmpty()) out += u'\\' + path;
    out += u']' + kLineEnd;
    for (const QString& name : names) {
        out += name.isEmpty() ? QStringLiteral("@") : quoted(name);
        out += u'=' + valueText(*tree.value(hive, path, name)) + kLineEnd;
    }
    out += kLineEnd;
}

// A key is written when it has values or no subkeys; keys in between come
// back from the paths of the keys below them. Hive roots are written only
// for their values. The walk keeps one frame per level, not per key.
void writeHive(QString& out, const RegistryTree& tree, Hive hive) {
    struct Frame {
        QString path;
        QStringList children;
        qsizetype next = 0;
    };
    std::vector<Frame> stack;
    const auto visit = [&](QString path) {
        const QStringList names = tree.valueNames(hive, path);
        QStringList children = tree.subkeys(hive, path);
        if (!names.isEmpty() || (children.isEmpty() && !path.isEmpty())) writeKey(out, tree, hive, path, names);
        if (!children.isEmpty()) stack.push_back({std::move(path), std::move(children)});
    };
    visit(QString());
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next == top.children.size()) {
            stack.pop_back();
            continue;
        }
        const QString& name = top.children[top.next];
        QString path = top.path.isEmpty() ? name : top.path + u'\\' + name;
        ++top.next;
        visit(std::move(path));  // may grow the stack, so `top` is not used after it
    }
}

// --- reading ---------------------------------------------------------------

// Splits the text into lines (LF or CR LF) and decodes each one, so that an
// encoding error can name its line.
class LineReader {
public:
    explicit LineReader(QByteArrayView bytes) {
        if (bytes.startsWith("\xEF\xBB\xBF")) {
            utf8_ = bytes.sliced(3);
        } else if (bytes.startsWith("\xFF\xFE")) {
            isUtf16_ = true;
            decodeUtf16(bytes.sliced(2));
        } else {
            utf8_ = bytes;
        }
    }

    // Moves to the next line; false past the last one.
    bool next() {
        ++number_;
        return isUtf16_ ? nextUtf16() : nextUtf8();
    }
    int number() const { return number_; }
    const QString& text() const { return line_; }
    bool valid() const { return valid_; }
    QString encodingName() const { return isUtf16_ ? QStringLiteral("UTF-16") : QStringLiteral("UTF-8"); }

private:
    // A stray last byte becomes a lone surrogate, which fails validation on
    // the line where it stands.
    void decodeUtf16(QByteArrayView bytes) {
        const auto* data = reinterpret_cast<const uchar*>(bytes.data());
        utf16_.resize((bytes.size() + 1) / 2);
        for (qsizetype i = 0; i < bytes.size() / 2; ++i)
            utf16_[i] = QChar(static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8));
        if (bytes.size() % 2 != 0) utf16_.back() = QChar(static_cast<char16_t>(0xDC00));
    }

    bool nextUtf8() {
        if (position_ >= utf8_.size()) return false;
        qsizetype end = utf8_.indexOf('\n', position_);
        if (end < 0) end = utf8_.size();
        QByteArrayView line = utf8_.sliced(position_, end - position_);
        position_ = end + 1;
        if (line.endsWith('\r')) line.chop(1);
        // A byte-order mark past the start of the text is a character of the line.
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        line_ = decoder.decode(line);
        valid_ = !decoder.hasError();
        return true;
    }

    bool nextUtf16() {
        if (position_ >= utf16_.size()) return false;
        qsizetype end = utf16_.indexOf(u'\n', position_);
        if (end < 0) end = utf16_.size();
        QStringView line = QStringView(utf16_).sliced(position_, end - position_);
        position_ = end + 1;
        if (line.endsWith(u'\r')) line.chop(1);
        line_ = line.toString();
        valid_ = line_.isValidUtf16();
        return true;
    }

    QByteArrayView utf8_;
    QString utf16_;
    bool isUtf16_ = false;
    qsizetype position_ = 0;
    int number_ = 0;
    QString line_;
    bool valid_ = true;
};

// Long names in messages are cut, so that an error stays readable.
QString excerpt(QStringView text) {
    constexpr qsizetype kMax = 60;
    return text.size() <= kMax ? text.toString() : text.first(kMax).toString() + QStringLiteral("...");
}

struct Key {
    Hive hive;
    QString path;
};

// Parses one line at a time into the tree; each step returns an error
// message without the line number, or an empty string.
class RegParser {
public:
    explicit RegParser(RegistryTree& tree) : tree_(tree) {}

    QString parseLine(QStringView line) {
        if (line.startsWith(u'[')) return parseKeyLine(line);
        if (!line.startsWith(u'@') && !line.startsWith(u'"')) return QStringLiteral("malformed line");
        if (!key_) return QStringLiteral("value outside a key");
        return parseValueLine(line);
    }

private:
    QString parseKeyLine(QStringView line) {
        if (!line.endsWith(u']')) return QStringLiteral("malformed key line: no closing ']'");
        const QStringView inner = line.sliced(1, line.size() - 2);
        if (inner.startsWith(u'-')) return QStringLiteral("deleting keys is not supported");
        const qsizetype slash = inner.indexOf(u'\\');
        const QStringView hiveName = (slash < 0 ? inner : inner.first(slash)).trimmed();
        const auto hive = hiveFromName(hiveName);
        if (!hive) return QStringLiteral("unknown hive \"%1\"").arg(excerpt(hiveName));
        const QString path = slash < 0 ? QString() : normalizedPath(inner.sliced(slash + 1));
        if (path.size() > kMaxKeyPath) return QStringLiteral("key path longer than %1 characters").arg(kMaxKeyPath);
        tree_.createKey(*hive, path);
        key_ = Key{*hive, path};
        return {};
    }

    static QString normalizedPath(QStringView path) {
        QString joined;
        for (QStringView part : path.split(u'\\', Qt::SkipEmptyParts)) {
            if (!joined.isEmpty()) joined += u'\\';
            joined += part;
        }
        return joined;
    }

    QString parseValueLine(QStringView line) {
        qsizetype position = 1;
        QString name;
        if (line.startsWith(u'"')) {
            position = 0;
            if (QString error = readQuoted(line, position, name); !error.isEmpty()) return error;
            if (name.size() > kMaxValueName)
                return QStringLiteral("value name longer than %1 characters").arg(kMaxValueName);
        }
        skipBlanks(line, position);
        if (position >= line.size() || line[position] != u'=') return QStringLiteral("malformed value line: no '='");
        ++position;
        skipBlanks(line, position);
        RegistryValue value;
        if (QString error = readData(line, position, value); !error.isEmpty()) return error;
        tree_.setValue(key_->hive, key_->path, name, std::move(value));
        return {};
    }

    static QString readData(QStringView line, qsizetype position, RegistryValue& value) {
        const QStringView data = line.sliced(position);
        if (data.startsWith(u'"')) {
            QString text;
            if (QString error = readQuoted(line, position, text); !error.isEmpty()) return error;
            skipBlanks(line, position);
            if (position != line.size()) return QStringLiteral("malformed value line: text after the closing quote");
            value = RegistryValue::string(std::move(text));
            return {};
        }
        if (data.startsWith(u"dword:", Qt::CaseInsensitive)) return readDword(data.sliced(6).trimmed(), value);
        if (data == u"-") return QStringLiteral("deleting values is not supported");
        const qsizetype colon = data.indexOf(u':');
        if (colon > 0 && isTypeName(data.first(colon)))
            return QStringLiteral("unsupported value type \"%1\"").arg(excerpt(data.first(colon)));
        return QStringLiteral("malformed value line");
    }

    static QString readDword(QStringView digits, RegistryValue& value) {
        if (digits.isEmpty()) return QStringLiteral("malformed dword: no digits");
        std::uint64_t number = 0;
        for (QChar c : digits) {
            const int digit = hexDigit(c);
            if (digit < 0)
                return QStringLiteral("malformed dword \"%1\": expected hexadecimal digits").arg(excerpt(digits));
            number = number << 4 | static_cast<std::uint64_t>(digit);
            if (number > 0xFFFFFFFFu) return QStringLiteral("dword value %1 out of range").arg(excerpt(digits));
        }
        value = RegistryValue::fromDword(static_cast<std::uint32_t>(number));
        return {};
    }

    static int hexDigit(QChar c) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') return u - u'0';
        if (u >= u'a' && u <= u'f') return u - u'a' + 10;
        if (u >= u'A' && u <= u'F') return u - u'A' + 10;
        return -1;
    }

    // "hex", "hex(2)", "qword" and the like.
    static bool isTypeName(QStringView text) {
        for (QChar c : text) {
            const char16_t u = c.unicode();
            const bool ok = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
                            u == u'(' || u == u')';
            if (!ok) return false;
        }
        return true;
    }

    // Reads a quoted string at `position` (on its opening quote); only \\ and
    // \" are escapes, as the format has them.
    static QString readQuoted(QStringView line, qsizetype& position, QString& out) {
        for (qsizetype i = position + 1; i < line.size(); ++i) {
            const QChar c = line[i];
            if (c == u'"') {
                position = i + 1;
                return {};
            }
            if (c == u'\\') {
                if (i + 1 >= line.size()) break;
                const QChar escaped = line[++i];
                if (escaped != u'\\' && escaped != u'"') return QStringLiteral("bad escape \"\\%1\"").arg(escaped);
                out += escaped;
                continue;
            }
            out += c;
        }
        return QStringLiteral("unterminated string");
    }

    static void skipBlanks(QStringView line, qsizetype& position) {
        while (position < line.size() && (line[position] == u' ' || line[position] == u'\t')) ++position;
    }

    RegistryTree& tree_;
    std::optional<Key> key_;
};

Failure lineError(int line, const QString& message) { return fail(QStringLiteral("line %1: %2").arg(line).arg(message)); }

}  // namespace

QByteArray RegistryTree::toRegText() const {
    QString out = kHeader.toString() + kLineEnd + kLineEnd;
    for (Hive hive : {Hive::ClassesRoot, Hive::CurrentUser, Hive::LocalMachine, Hive::Users}) writeHive(out, *this, hive);
    return out.toUtf8();
}

Result<RegistryTree> RegistryTree::fromRegText(QByteArrayView bytes) {
    if (bytes.size() > kMaxTextBytes)
        return fail(QStringLiteral("registry text larger than %1 bytes").arg(kMaxTextBytes));
    LineReader reader(bytes);
    const bool hasLine = reader.next();
    if (hasLine && !reader.valid()) return lineError(1, QStringLiteral("invalid %1").arg(reader.encodingName()));
    if (!hasLine || reader.text().trimmed() != kHeader)
        return lineError(1, QStringLiteral("expected the header \"%1\"").arg(kHeader));

    RegistryTree tree;
    RegParser parser(tree);
    while (reader.next()) {
        if (!reader.valid()) return lineError(reader.number(), QStringLiteral("invalid %1").arg(reader.encodingName()));
        const QStringView line = QStringView(reader.text()).trimmed();
        if (line.isEmpty() || line.startsWith(u';')) continue;
        if (QString error = parser.parseLine(line); !error.isEmpty()) return lineError(reader.number(), error);
    }
    return tree;
}

}  // namespace ky
