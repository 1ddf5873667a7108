#pragma once
// Reading and writing the fields of one element record. The reader gives
// each tag's reading default when the tag is absent and remembers a missing
// required tag as the load error; the writer sets fields in call order.

#include "report/template/value_text.h"
#include "platform/byte_stream.h"
#include "platform/result.h"

#include <QString>

#include <pugixml.hpp>

namespace ky {

// The message of every template that cannot be loaded.
inline const QString kTemplateLoadError = QStringLiteral("报表格式包含非法数据，导入或打开失败");

class RecordReader {
public:
    explicit RecordReader(pugi::xml_node record) : record_(record) {}

    bool has(const char* tag) const { return static_cast<bool>(record_.child(tag)); }
    QString text(const char* tag, const QString& fallback = {}) const;
    double number(const char* tag, double fallback) const;
    int integer(const char* tag, int fallback) const;
    bool flag(const char* tag, bool fallback) const;
    // The picture or other bytes of a bin.base64 field; nothing when absent or empty.
    StreamPtr stream(const char* tag);

    // Required tags: absent (or, for flags, unreadable) fails the load; integers read leniently.
    QString requiredText(const char* tag);
    int requiredInteger(const char* tag);
    bool requiredFlag(const char* tag);

    void failWith(const QString& detail);
    bool ok() const { return detail_.isEmpty(); }
    // kTemplateLoadError; what exactly failed is in detail().
    Status status() const;
    const QString& detail() const { return detail_; }
    pugi::xml_node record() const { return record_; }

private:
    pugi::xml_node record_;
    QString detail_;
};

class RecordWriter {
public:
    // Fields replace children of the same name, or are appended.
    explicit RecordWriter(pugi::xml_node record) : record_(record) {}
    // A record just created: every field is new, so fields are appended
    // without looking for an earlier one.
    static RecordWriter fresh(pugi::xml_node record) {
        RecordWriter writer(record);
        writer.fresh_ = true;
        return writer;
    }

    void text(const char* tag, const QString& value);
    void number(const char* tag, double value);  // single-precision plain decimal
    void integer(const char* tag, long long value);
    void flag(const char* tag, bool value);
    void stream(const char* tag, const StreamPtr& bytes);  // bin.base64
    pugi::xml_node record() const { return record_; }

private:
    pugi::xml_node record_;
    bool fresh_ = false;
};

}  // namespace ky
