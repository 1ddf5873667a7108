#pragma once
// A hash index over one field's values, so that equality filters (the link
// filters of child reports, one per parent row) need not scan every row.
// Rows with equal values form one group, so a lookup compares one value per
// distinct key, not one per row.

#include "report/data/compare_key.h"
#include "report/data/value_column.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ky {

class EqualityIndex {
public:
    EqualityIndex(const ValueColumn& column, FieldCategory category);

    // The rows, ascending, whose value equals the key; valid while the index lives.
    std::span<const std::uint32_t> rowsEqualTo(const CompareKey& key, const ValueColumn& column) const;

private:
    struct Group {
        std::uint32_t hash;            // low bits of the key's hash
        std::int32_t next;             // previous group of the bucket, or -1
        std::uint32_t representative;  // a row holding the group's value
        std::uint32_t start = 0;       // the group's rows in rows_
        std::uint32_t count = 0;
    };

    std::int32_t findOrAddGroup(const ValueColumn& column, const Value& value, std::uint32_t row);
    std::vector<std::int32_t> recordGroupsSoFar(std::size_t rowCount) const;
    void layOutRows(const std::vector<std::int32_t>& groupOfRow);

    FieldCategory category_;
    std::size_t mask_ = 0;
    std::vector<std::int32_t> heads_;  // bucket -> last group added, or -1
    std::vector<Group> groups_;
    std::vector<std::uint32_t> rows_;  // rows by group, ascending within each
};

}  // namespace ky
