#include "report/data/equality_index.h"

#include <algorithm>
#include <bit>

namespace ky {

EqualityIndex::EqualityIndex(const std::vector<Value>& column, FieldCategory category) : category_(category) {
    const std::size_t buckets = std::bit_ceil(std::max<std::size_t>(16, column.size()));
    mask_ = buckets - 1;
    heads_.assign(buckets, -1);
    next_.resize(column.size());
    hashes_.resize(column.size());
    for (std::size_t row = 0; row < column.size(); ++row) {
        const std::size_t hash = hashValue(column[row], category_);
        const std::size_t bucket = hash & mask_;
        next_[row] = heads_[bucket];
        heads_[bucket] = static_cast<std::int32_t>(row);
        hashes_[row] = static_cast<std::uint32_t>(hash);
    }
}

std::vector<std::uint32_t> EqualityIndex::rowsEqualTo(const CompareKey& key, const std::vector<Value>& column) const {
    std::vector<std::uint32_t> rows;
    rows.reserve(32);
    const std::size_t hash = hashKey(key);
    for (std::int32_t row = heads_[hash & mask_]; row >= 0; row = next_[static_cast<std::size_t>(row)]) {
        const auto r = static_cast<std::size_t>(row);
        if (hashes_[r] == static_cast<std::uint32_t>(hash) && valueEqualsKey(column[r], category_, key))
            rows.push_back(static_cast<std::uint32_t>(row));
    }
    std::reverse(rows.begin(), rows.end());
    return rows;
}

}  // namespace ky
