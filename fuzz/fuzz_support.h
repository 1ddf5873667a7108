#pragma once
// What the fuzz targets share: a check that stops the run with a message, and
// small record sets built from a table of fields and rows.

#include "report/data/record_set.h"

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
