#include "unsetup/setup_log.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace ky::unsetup {

namespace {

// Far beyond any installation's log; it only keeps a wrong file from filling memory.
constexpr qint64 kMaxLogBytes = 16 * 1024 * 1024;

QByteArray complemented(QByteArrayView bytes) {
    QByteArray out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = static_cast<char>(~static_cast<unsigned char>(bytes[i]));
    return out;
}

// A plain log begins with "[", a complemented one with its inverse. A UTF-8
// byte-order mark before the "[" still means plain: no complemented log can
// begin with those bytes, and inverting a plain one would destroy it.
QByteArray plainBytes(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF[")) return bytes.sliced(3).toByteArray();
    if (bytes.isEmpty() || bytes.front() == '[') return bytes.toByteArray();
    return complemented(bytes);
}

// Logs we write are UTF-8; older installers wrote the Chinese ANSI code page.
// A byte-order mark was dealt with before; one here is text like any other,
// so that a log written back reads the same.
QString decoded(const QByteArray& bytes) {
    constexpr auto kKeepBom = QStringConverter::Flag::ConvertInitialBom;
    QStringDecoder utf8(QStringDecoder::Utf8, kKeepBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder chinese("GB18030", kKeepBom);
    if (!chinese.isValid()) return text;
    return chinese.decode(bytes);
}

bool carriesNothing(QStringView line) { return line.size() <= 2 || line.startsWith(u';'); }

bool isHeader(QStringView line) { return line.startsWith(u'['); }

bool isHeaderOf(QStringView line, QStringView section) {
    line = line.trimmed();
    return line.size() == section.size() + 2 && line.startsWith(u'[') && line.endsWith(u']') &&
           line.sliced(1, section.size()) == section;
}

int leadingInteger(QStringView text, int fallback) {
    text = text.trimmed();
    qsizetype digitsEnd = 0;
    if (digitsEnd < text.size() && (text[0] == u'-' || text[0] == u'+')) ++digitsEnd;
    while (digitsEnd < text.size() && text[digitsEnd] >= u'0' && text[digitsEnd] <= u'9') ++digitsEnd;
    bool ok = false;
    const int number = text.first(digitsEnd).toInt(&ok);
    return ok ? number : fallback;
}

}  // namespace

SetupLog SetupLog::parse(QByteArrayView bytes) {
    SetupLog log;
    const QString text = decoded(plainBytes(bytes));
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (!carriesNothing(line)) log.lines_.push_back(line.toString());
    }
    return log;
}

Result<SetupLog> SetupLog::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.read(kMaxLogBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    if (bytes.size() > kMaxLogBytes)
        return fail(QStringLiteral("%1 is larger than %2 bytes, too large for an installation log").arg(path).arg(kMaxLogBytes));
    return parse(bytes);
}

Result<SetupLog> loadSetupLogIn(const QString& folder) {
    return SetupLog::load(QDir(folder).filePath(kSetupLogName.toString()));
}

std::optional<SetupLog::Range> SetupLog::sectionRange(QStringView section) const {
    const auto count = static_cast<qsizetype>(lines_.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (!isHeaderOf(lines_[i], section)) continue;
        qsizetype end = i + 1;
        while (end < count && !isHeader(lines_[end])) ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

int SetupLog::entryCount(QStringView section) const {
    const auto range = sectionRange(section);
    return range ? static_cast<int>(range->end - range->first) : 0;
}

QString SetupLog::entry(QStringView section, int index) const {
    const auto range = sectionRange(section);
    if (!range || index < 0 || index >= range->end - range->first) return {};
    return lines_[range->first + index];
}

std::optional<qsizetype> SetupLog::findKey(QStringView section, QStringView key) const {
    const auto range = sectionRange(section);
    if (!range) return std::nullopt;
    for (qsizetype i = range->first; i < range->end; ++i) {
        const QString& line = lines_[i];
        const qsizetype equals = line.indexOf(u'=');
        if (equals >= 0 && QStringView(line).first(equals) == key) return i;
    }
    return std::nullopt;
}

QString SetupLog::value(QStringView section, QStringView key, const QString& fallback) const {
    const auto line = findKey(section, key);
    if (!line) return fallback;
    const QString& text = lines_[*line];
    return text.sliced(text.indexOf(u'=') + 1);
}

bool SetupLog::boolValue(QStringView section, QStringView key, bool fallback) const {
    if (!findKey(section, key)) return fallback;
    const QString text = value(section, key);
    return !text.isEmpty() && QStringView(u"YyTt1").contains(text.front());
}

int SetupLog::intValue(QStringView section, QStringView key, int fallback) const {
    if (!findKey(section, key)) return fallback;
    return leadingInteger(value(section, key), 0);
}

void SetupLog::setValue(QStringView section, QStringView key, const QString& value) {
    const QString line = key.toString() + u'=' + value;
    if (const auto found = findKey(section, key)) {
        lines_[*found] = line;
    } else if (const auto range = sectionRange(section)) {
        lines_.insert(lines_.begin() + range->end, line);
    } else {
        lines_.push_back(u'[' + section.toString() + u']');
        lines_.push_back(line);
    }
}

QByteArray SetupLog::toBytes(bool complement) const {
    QByteArray bytes;
    for (const QString& line : lines_) bytes += line.toUtf8() + "\r\n";
    return complement ? complemented(bytes) : bytes;
}

}  // namespace ky::unsetup
