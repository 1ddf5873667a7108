#pragma once
// A hash index over one field's values, so that equality filters (the link
// filters of child reports, one per parent row) need not scan every row.

#include "report/data/compare_key.h"

#include <cstdint>
#include <vector>

namespace ky {

class EqualityIndex {
public:
    EqualityIndex(const std::vector<Value>& column, FieldCategory category);

    // The rows, ascending, whose value equals the key.
    std::vector<std::uint32_t> rowsEqualTo(const CompareKey& key, const std::vector<Value>& column) const;

private:
    FieldCategory category_;
    std::size_t mask_ = 0;
    std::vector<std::int32_t> heads_;   // bucket -> last row inserted, or -1
    std::vector<std::int32_t> next_;    // row -> previous row of the bucket, or -1
    std::vector<std::uint32_t> hashes_;  // row -> low bits of its key's hash
};

}  // namespace ky
