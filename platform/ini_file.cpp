#include "platform/ini_file.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>

#include <optional>

namespace ky {

namespace {

// Far beyond any settings file; it only stops a wrong path from filling memory.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

bool sameName(QStringView a, QStringView b) { return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0; }

bool isComment(QStringView line) { return line.trimmed().startsWith(u';'); }

// "[Name]" with blanks anywhere around; text after the bracket is ignored.
std::optional<QStringView> sectionName(QStringView line) {
    line = line.trimmed();
    if (!line.startsWith(u'[')) return std::nullopt;
    const qsizetype close = line.indexOf(u']');
    if (close < 0) return std::nullopt;
    return line.sliced(1, close - 1).trimmed();
}

// "name=value" outside comments and section headers; the name is not empty.
std::optional<QStringView> keyName(QStringView line) {
    if (isComment(line) || sectionName(line)) return std::nullopt;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return std::nullopt;
    const QStringView name = line.first(equals).trimmed();
    if (name.isEmpty()) return std::nullopt;
    return name;
}

QString rawValue(QStringView line) { return line.sliced(line.indexOf(u'=') + 1).trimmed().toString(); }

QString unquoted(QString value) {
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) return value.sliced(1, value.size() - 2);
    return value;
}

QString decode(QByteArrayView bytes) {
    if (!bytes.startsWith("\xFF\xFE")) return QString::fromUtf8(bytes);
    bytes = bytes.sliced(2);
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8));
    if (bytes.size() % 2 != 0) text += QChar::ReplacementCharacter;
    return text;
}

}  // namespace

IniFile IniFile::parse(QByteArrayView bytes) {
    QString text = decode(bytes);
    // Every leading byte-order mark goes, so that the text we write (which
    // starts with whatever the first line holds) parses to the same lines.
    qsizetype start = 0;
    while (start < text.size() && text[start] == QChar::ByteOrderMark) ++start;
    IniFile file;
    QStringView rest = QStringView(text).sliced(start);
    while (!rest.isEmpty()) {
        qsizetype end = rest.indexOf(u'\n');
        QStringView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QStringView() : rest.sliced(end + 1);
        if (line.endsWith(u'\r')) line.chop(1);
        file.lines_.push_back(line.toString());
    }
    return file;
}

Result<IniFile> IniFile::load(const QString& path) {
    QFile file(path);
    if (!file.exists()) return IniFile{};
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    if (bytes.size() > kMaxFileBytes)
        return fail(QStringLiteral("cannot read %1: larger than %2 bytes").arg(path).arg(kMaxFileBytes));
    return parse(bytes);
}

namespace {

// A section is its header line and the lines up to the next header.
struct SectionRange {
    qsizetype header;
    qsizetype end;
};

std::optional<SectionRange> findSection(const std::vector<QString>& lines, const QString& section) {
    const auto count = static_cast<qsizetype>(lines.size());
    for (qsizetype i = 0; i < count; ++i) {
        const auto name = sectionName(lines[i]);
        if (!name || !sameName(*name, section)) continue;
        qsizetype end = i + 1;
        while (end < count && !sectionName(lines[end])) ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

qsizetype findKey(const std::vector<QString>& lines, SectionRange range, const QString& key) {
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const auto name = keyName(lines[i]);
        if (name && sameName(*name, key)) return i;
    }
    return -1;
}

qsizetype findKey(const std::vector<QString>& lines, const QString& section, const QString& key) {
    const auto range = findSection(lines, section);
    return range ? findKey(lines, *range, key) : -1;
}

// After the section's last key, or else after its last non-blank line, so
// that blank lines separating it from the next section stay where they are.
qsizetype insertionPoint(const std::vector<QString>& lines, SectionRange range) {
    qsizetype lastKey = -1;
    qsizetype lastFilled = range.header;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        if (keyName(lines[i])) lastKey = i;
        if (!lines[i].trimmed().isEmpty()) lastFilled = i;
    }
    return (lastKey >= 0 ? lastKey : lastFilled) + 1;
}

// The key as written and the blanks around '=' stay; only the value changes.
QString replacedValue(const QString& line, const QString& value) {
    const qsizetype equals = line.indexOf(u'=');
    qsizetype start = equals + 1;
    while (start < line.size() && isBlank(line[start])) ++start;
    if (start == line.size()) start = equals + 1;
    return line.first(start) + value;
}

}  // namespace

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    const qsizetype index = findKey(lines_, section, key);
    return index < 0 ? fallback : unquoted(rawValue(lines_[static_cast<size_t>(index)]));
}

bool IniFile::contains(const QString& section, const QString& key) const { return findKey(lines_, section, key) >= 0; }

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    const auto range = findSection(lines_, section);
    if (!range) {
        lines_.push_back(u'[' + section.trimmed() + u']');
        lines_.push_back(key.trimmed() + u'=' + value);
        return;
    }
    const qsizetype index = findKey(lines_, *range, key);
    if (index >= 0) {
        QString& line = lines_[static_cast<size_t>(index)];
        line = replacedValue(line, value);
        return;
    }
    lines_.insert(lines_.begin() + insertionPoint(lines_, *range), key.trimmed() + u'=' + value);
}

bool IniFile::removeKey(const QString& section, const QString& key) {
    const qsizetype index = findKey(lines_, section, key);
    if (index < 0) return false;
    lines_.erase(lines_.begin() + index);
    return true;
}

bool IniFile::removeSection(const QString& section) {
    const auto range = findSection(lines_, section);
    if (!range) return false;
    lines_.erase(lines_.begin() + range->header, lines_.begin() + range->end);
    return true;
}

QStringList IniFile::sections() const {
    QStringList names;
    QSet<QString> seen;
    for (const QString& line : lines_) {
        const auto name = sectionName(line);
        if (!name) continue;
        if (const QString folded = name->toString().toCaseFolded(); !seen.contains(folded)) {
            seen.insert(folded);
            names.append(name->toString());
        }
    }
    return names;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList names;
    const auto range = findSection(lines_, section);
    if (!range) return names;
    QSet<QString> seen;
    for (qsizetype i = range->header + 1; i < range->end; ++i) {
        const auto name = keyName(lines_[static_cast<size_t>(i)]);
        if (!name) continue;
        if (const QString folded = name->toString().toCaseFolded(); !seen.contains(folded)) {
            seen.insert(folded);
            names.append(name->toString());
        }
    }
    return names;
}

QByteArray IniFile::toText() const {
    QString text;
    for (const QString& line : lines_) text += line + QStringLiteral("\r\n");
    return text.toUtf8();
}

Status IniFile::save(const QString& path) const {
    const QByteArray bytes = toText();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return {};
}

QString readProfileString(const QString& path, const QString& section, const QString& key, const QString& fallback) {
    const auto file = IniFile::load(path);
    return file ? file->value(section, key, fallback) : fallback;
}

Status writeProfileString(const QString& path, const QString& section, const QString& key, const QString& value) {
    auto file = IniFile::load(path);
    if (!file) return fail(file.error());
    file->setValue(section, key, value);
    return file->save(path);
}

}  // namespace ky
