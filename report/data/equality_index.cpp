#include "report/data/equality_index.h"

#include <algorithm>
#include <bit>

namespace ky {

EqualityIndex::EqualityIndex(const ValueColumn& column, FieldCategory category) : category_(category) {
    const std::size_t buckets = std::bit_ceil(std::max<std::size_t>(16, column.size() / 2));
    mask_ = buckets - 1;
    heads_.assign(buckets, -1);
    rows_.reserve(column.size());

    // Rows sharing a value usually stand together (child rows are added
    // parent row by parent row), so a row equal to the one before joins its
    // group unhashed, and while every group's rows are contiguous they are
    // laid out in one pass. The first row that returns to an earlier group
    // switches to recording each row's group and laying them out afterwards.
    std::vector<std::int32_t> groupOfRow;  // only once the groups interleave
    std::int32_t previous = -1;            // the group of the last indexed row
    std::size_t previousRow = 0;
    for (std::size_t row = 0; row < column.size(); ++row) {
        const Value& value = column[row];
        if (!isComparable(value, category_)) continue;  // nulls and unreadable values equal nothing
        std::int32_t found = -1;
        if (previous >= 0 && valuesEqual(column[previousRow], value, category_)) {
            found = previous;
        } else {
            found = findOrAddGroup(column, value, static_cast<std::uint32_t>(row));
            if (found != static_cast<std::int32_t>(groups_.size()) - 1 || groups_.back().count != 0) {
                if (groupOfRow.empty()) groupOfRow = recordGroupsSoFar(column.size());
            }
        }
        Group& group = groups_[static_cast<std::size_t>(found)];
        if (groupOfRow.empty()) {
            if (group.count == 0) group.start = static_cast<std::uint32_t>(rows_.size());
            rows_.push_back(static_cast<std::uint32_t>(row));
        } else {
            groupOfRow[row] = found;
        }
        ++group.count;
        previous = found;
        previousRow = row;
    }
    if (!groupOfRow.empty()) layOutRows(groupOfRow);
}

std::int32_t EqualityIndex::findOrAddGroup(const ValueColumn& column, const Value& value, std::uint32_t row) {
    const std::size_t hash = hashValue(value, category_);
    const auto hash32 = static_cast<std::uint32_t>(hash);
    const std::size_t bucket = hash & mask_;
    for (std::int32_t g = heads_[bucket]; g >= 0; g = groups_[static_cast<std::size_t>(g)].next) {
        const Group& group = groups_[static_cast<std::size_t>(g)];
        if (group.hash == hash32 && valuesEqual(column[group.representative], value, category_)) return g;
    }
    groups_.push_back(Group{hash32, heads_[bucket], row});
    heads_[bucket] = static_cast<std::int32_t>(groups_.size()) - 1;
    return heads_[bucket];
}

std::vector<std::int32_t> EqualityIndex::recordGroupsSoFar(std::size_t rowCount) const {
    std::vector<std::int32_t> groupOfRow(rowCount, -1);
    for (std::size_t g = 0; g < groups_.size(); ++g)
        for (std::uint32_t i = 0; i < groups_[g].count; ++i)
            groupOfRow[rows_[groups_[g].start + i]] = static_cast<std::int32_t>(g);
    return groupOfRow;
}

void EqualityIndex::layOutRows(const std::vector<std::int32_t>& groupOfRow) {
    std::uint32_t start = 0;
    for (Group& group : groups_) {
        group.start = start;
        start += group.count;
        group.count = 0;
    }
    rows_.resize(start);
    for (std::size_t row = 0; row < groupOfRow.size(); ++row) {
        if (groupOfRow[row] < 0) continue;
        Group& group = groups_[static_cast<std::size_t>(groupOfRow[row])];
        rows_[group.start + group.count++] = static_cast<std::uint32_t>(row);
    }
}

std::span<const std::uint32_t> EqualityIndex::rowsEqualTo(const CompareKey& key, const ValueColumn& column) const {
    const std::size_t hash = hashKey(key);
    for (std::int32_t g = heads_[hash & mask_]; g >= 0; g = groups_[static_cast<std::size_t>(g)].next) {
        const Group& group = groups_[static_cast<std::size_t>(g)];
        if (group.hash == static_cast<std::uint32_t>(hash) && valueEqualsKey(column[group.representative], category_, key))
            return {rows_.data() + group.start, group.count};
    }
    return {};
}

}  // namespace ky
