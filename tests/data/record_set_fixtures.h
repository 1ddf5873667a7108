#pragma once
// Small builders and printers shared by the data-layer tests.

#include "report/data/record_set.h"
#include "report/data/value.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

// Readable QString output in failure messages (found by argument-dependent lookup).
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace ky {

inline void PrintTo(const Value& value, std::ostream* os) {
    *os << kindName(value.kind()).toStdString() << '(' << value.toText().toStdString() << ')';
}

namespace test {

inline FieldInfo field(const QString& name, int type, std::int32_t definedSize = 0, bool nullable = true) {
    return FieldInfo{name, type, definedSize, nullable};
}

// An open record set with the fields and rows given (one value per field and
// row, stored through setValue so they take their fields' types), positioned
// on the first row. Failures to build are reported as test failures.
inline RecordSet makeRecordSet(const std::vector<FieldInfo>& fields, const std::vector<std::vector<Value>>& rows) {
    RecordSet records;
    for (const FieldInfo& info : fields) {
        const Status s = records.appendField(info);
        EXPECT_TRUE(s) << "field " << info.name.toStdString() << ": " << s.error().toStdString();
    }
    records.open();
    for (const auto& row : rows) {
        EXPECT_TRUE(records.addNew());
        for (size_t i = 0; i < row.size(); ++i) {
            const Status s = records.setValue(static_cast<int>(i), row[i]);
            EXPECT_TRUE(s) << s.error().toStdString();
        }
    }
    records.moveFirst();
    return records;
}

// The values of one field over the visible rows, in view order. The cursor
// ends at EOF.
inline std::vector<Value> visibleValues(RecordSet& records, QStringView fieldName) {
    std::vector<Value> values;
    const int index = records.fieldIndex(fieldName);
    EXPECT_GE(index, 0) << fieldName.toString().toStdString();
    if (index < 0) return values;
    for (records.moveFirst(); !records.isEof(); records.moveNext()) values.push_back(records.valueAt(index));
    return values;
}

// The visible rows' values of an integer field, e.g. an ID column.
inline std::vector<int> visibleIds(RecordSet& records, QStringView fieldName = u"ID") {
    std::vector<int> ids;
    for (const Value& v : visibleValues(records, fieldName)) ids.push_back(v.isNull() ? 0 : static_cast<int>(*v.toDouble()));
    return ids;
}

}  // namespace test
}  // namespace ky
