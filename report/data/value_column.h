#pragma once
// The values of one record-set field, kept in fixed-size chunks: appending
// never moves the values already stored, and a column of a million rows
// wastes at most one chunk instead of the half a doubling vector can leave
// unused (and the moment when old and new buffer both live).

#include "report/data/value.h"

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace ky {

class ValueColumn {
public:
    ValueColumn() = default;
    ValueColumn(std::size_t count, const Value& value) {
        for (std::size_t i = 0; i < count; ++i) push_back(value);
    }
    explicit ValueColumn(const std::vector<Value>& values) {
        for (const Value& v : values) push_back(v);
    }
    ValueColumn(const ValueColumn& other) {
        for (std::size_t i = 0; i < other.size(); ++i) push_back(other[i]);
    }
    ValueColumn& operator=(const ValueColumn& other) {
        if (this != &other) *this = ValueColumn(other);
        return *this;
    }
    ValueColumn(ValueColumn&&) noexcept = default;
    ValueColumn& operator=(ValueColumn&&) noexcept = default;

    std::size_t size() const { return size_; }
    const Value& operator[](std::size_t i) const { return chunks_[i >> kChunkBits][i & kChunkMask]; }
    Value& operator[](std::size_t i) { return chunks_[i >> kChunkBits][i & kChunkMask]; }
    const Value& at(std::size_t i) const {
        if (i >= size_) throw std::out_of_range("value column");
        return (*this)[i];
    }

    void push_back(Value value) {
        if (chunks_.empty() || chunks_.back().size() == kChunkSize) {
            chunks_.emplace_back();
            // The first chunk grows as rows come, so that small record sets stay small.
            if (chunks_.size() > 1) chunks_.back().reserve(kChunkSize);
        }
        chunks_.back().push_back(std::move(value));
        ++size_;
    }
    void reserve(std::size_t count) { chunks_.reserve((count + kChunkMask) >> kChunkBits); }

private:
    static constexpr std::size_t kChunkBits = 12, kChunkSize = std::size_t{1} << kChunkBits, kChunkMask = kChunkSize - 1;
    std::vector<std::vector<Value>> chunks_;
    std::size_t size_ = 0;
};

}  // namespace ky
