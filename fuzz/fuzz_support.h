#pragma once
// What the fuzz targets share: a check that stops the run with a message, and
// small record sets built from a table of fields and rows.

#include "report/data/record_set.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace ky::fuzz {

inline void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// Values a field refuses stay null; the fuzz targets want the rows either way.
inline RecordSet recordSetOf(const std::vector<FieldInfo>& fields, const std::vector<std::vector<Value>>& rows) {
    RecordSet rs;
    for (const auto& f : fields) (void)rs.appendField(f);
    rs.open();
    for (const auto& row : rows) {
        (void)rs.addNew();
        for (size_t i = 0; i < row.size(); ++i) (void)rs.setValue(static_cast<int>(i), row[i]);
    }
    return rs;
}

// Five rows over a field of each kind, with values that differ only in case,
// -0 and 0, NaN, nulls, empty text and bytes, for filters and sorts to chew on.
inline RecordSet mixedRecordSet() {
    namespace ft = fieldtype;
    const FieldInfo fields[] = {
        {QStringLiteral("ID"), ft::Integer, 0, true},        {QStringLiteral("Name"), ft::VarWChar, 50, true},
        {QStringLiteral("Score"), ft::Double, 0, true},      {QStringLiteral("Paid"), ft::Boolean, 0, true},
        {QStringLiteral("Born"), ft::Date, 0, true},         {QStringLiteral("Photo"), ft::VarBinary, 0, true},
        {QStringLiteral("Amount"), ft::Decimal, 0, true},    {QStringLiteral("Price"), ft::Currency, 0, true},
        {QStringLiteral("V"), ft::Variant, 0, true},         {QStringLiteral("Test Date"), ft::DbDate, 0, true},
    };
    const Value null = Value::null();
    const std::vector<std::vector<Value>> rows = {
        {1, QStringLiteral("Li"), 1.5, true, QStringLiteral("2024-03-05"), QByteArray("ab"), QStringLiteral("12.50"), 3.25,
         QStringLiteral("x"), null},
        {2, QStringLiteral("LI"), -0.0, false, null, null, null, null, 7, QStringLiteral("2024-01-01")},
        {3, null, 0.0, null, QStringLiteral("1999-12-31 23:59:59"), QByteArray(), QStringLiteral("-1e-3"), -1.0, true, null},
        {4, QStringLiteral("张三"), std::nan(""), true, 45356.5, QByteArray("\0", 1), QStringLiteral("0"), 0.0, null, null},
        {5, QStringLiteral(""), 1e300, false, null, null, null, null, QByteArray("b"), QStringLiteral("8:00")},
    };
    return recordSetOf({std::begin(fields), std::end(fields)}, rows);
}


// The first field (an ID) of every visible row, reading every other value on
// the way so that conversions run on whatever the rows hold.
inline std::vector<int> visibleIds(RecordSet& rs) {
    std::vector<int> ids;
    for (rs.moveFirst(); !rs.isEof(); rs.moveNext()) {
        for (int f = 0; f < rs.fieldCount(); ++f) (void)rs.valueAt(f).toText();
        ids.push_back(static_cast<int>(rs.valueAt(0).toDouble().value_or(0)));
    }
    return ids;
}

}  // namespace ky::fuzz
