#include "report/template/record_fields.h"

#include "report/template/dom_helpers.h"
#include "platform/saturating_int.h"

#include <cmath>
#include <limits>

namespace ky {

namespace {

QString tagName(const char* tag) { return QString::fromLatin1(tag); }

// Half to even, as the platform rounds.
int toInt(double value) { return saturatingInt(std::nearbyint(value)); }

}  // namespace

QString RecordReader::text(const char* tag, const QString& fallback) const { return GetChildText(record_, tag, fallback); }

double RecordReader::number(const char* tag, double fallback) const {
    return has(tag) ? readNumber(text(tag)) : fallback;
}

int RecordReader::integer(const char* tag, int fallback) const { return has(tag) ? toInt(readNumber(text(tag))) : fallback; }

bool RecordReader::flag(const char* tag, bool fallback) const {
    if (!has(tag)) return fallback;
    return readFlag(text(tag)).value_or(fallback);
}

StreamPtr RecordReader::stream(const char* tag) {
    auto bytes = GetChildStream(record_, tagName(tag));
    if (!bytes) {
        failWith(bytes.error());
        return nullptr;
    }
    return bytes.value();
}

QString RecordReader::requiredText(const char* tag) {
    if (!has(tag)) failWith(QStringLiteral("%1 lacks the field %2").arg(QString::fromUtf8(record_.name()), tagName(tag)));
    return text(tag);
}

int RecordReader::requiredInteger(const char* tag) {
    const QString value = requiredText(tag);
    return toInt(readNumber(value));
}

bool RecordReader::requiredFlag(const char* tag) {
    const QString value = requiredText(tag);
    if (!ok()) return false;
    const auto parsed = readFlag(value);
    if (!parsed) failWith(QStringLiteral("%1: %2 is not a flag: \"%3\"").arg(QString::fromUtf8(record_.name()), tagName(tag), value));
    return parsed.value_or(false);
}

void RecordReader::failWith(const QString& detail) {
    if (detail_.isEmpty()) detail_ = detail;  // the first problem is the one to report
}

Status RecordReader::status() const {
    if (ok()) return {};
    return fail(kTemplateLoadError);
}

void RecordWriter::text(const char* tag, const QString& value) {
    if (!fresh_) {
        SetChildText(record_, tag, value);
        return;
    }
    pugi::xml_node child = record_.append_child(tag);
    if (!value.isEmpty()) child.text().set(value.toUtf8().constData());
}
void RecordWriter::number(const char* tag, double value) { text(tag, writeDecimal(value)); }
void RecordWriter::integer(const char* tag, long long value) { text(tag, QString::number(value)); }
void RecordWriter::flag(const char* tag, bool value) { text(tag, writeFlag(value)); }

void RecordWriter::stream(const char* tag, const StreamPtr& bytes) {
    if (!fresh_) record_.remove_child(tag);
    AppendBinaryElement(record_, tagName(tag), bytes);
}

}  // namespace ky
