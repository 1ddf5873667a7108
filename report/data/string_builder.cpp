#include "report/data/string_builder.h"

#include "platform/com_error.h"

#include <algorithm>

namespace ky {

namespace {

[[noreturn]] void outOfRange(const char* member) {
    throw ComError(QStringLiteral("StringBuilder.%1: subscript out of range").arg(QLatin1String(member)),
                   hresult::subscriptOutOfRange);
}

constexpr qint64 kMaxCharacters = 0x3FFFFFFF;  // what a 32-bit length can address in UTF-16

}  // namespace

void StringBuilder::setChunkSize(std::int32_t characters) {
    // Sizes below 1 would make growth never end; from 2^30 up the size overflows.
    if (characters < 1 || characters >= (1 << 30))
        throw ComError(QStringLiteral("StringBuilder.ChunkSize: %1 overflows").arg(characters), hresult::overflow);
    chunk_ = characters;
}

void StringBuilder::reserveChunks(qint64 length) {
    if (length > kMaxCharacters) throw ComError(QStringLiteral("StringBuilder: out of memory"), hresult::overflow);
    qint64 capacity = buffer_.size();
    if (length <= capacity) return;
    capacity += (length - capacity + chunk_ - 1) / chunk_ * chunk_;
    buffer_.resize(static_cast<qsizetype>(std::min(capacity, kMaxCharacters + chunk_)), u' ');
}

void StringBuilder::setTheString(const QString& text) {
    if (text.isEmpty()) {
        Clear();
        return;
    }
    reserveChunks(text.size());
    std::copy(text.begin(), text.end(), buffer_.begin());
    used_ = static_cast<std::int32_t>(text.size());
}

void StringBuilder::Clear() {
    buffer_.clear();
    used_ = 0;
}

void StringBuilder::Append(const QString& sThis) {
    reserveChunks(qint64{used_} + sThis.size());
    std::copy(sThis.begin(), sThis.end(), buffer_.begin() + used_);
    used_ += static_cast<std::int32_t>(sThis.size());
}

void StringBuilder::AppendNL(const QString& sThis) {
    Append(sThis);
    Append(QStringLiteral("\r\n"));
}

void StringBuilder::Insert(std::int32_t iIndex, const QString& sThis) {
    if (iIndex < 0 || iIndex > used_) outOfRange("Insert");
    reserveChunks(qint64{used_} + sThis.size());
    const auto at = buffer_.begin() + iIndex;
    std::move_backward(at, buffer_.begin() + used_, buffer_.begin() + used_ + sThis.size());
    std::copy(sThis.begin(), sThis.end(), at);
    used_ += static_cast<std::int32_t>(sThis.size());
}

void StringBuilder::Remove(std::int32_t iIndex, std::int32_t lLen) {
    if (iIndex < 0 || lLen < 0 || iIndex > used_ || qint64{iIndex} + lLen > used_) outOfRange("Remove");
    std::move(buffer_.begin() + iIndex + lLen, buffer_.begin() + used_, buffer_.begin() + iIndex);
    used_ -= lLen;
}

std::int32_t StringBuilder::Find(const QString& sToFind, std::int32_t lStartIndex, Compare compare) const {
    const qsizetype from = lStartIndex >= 1 ? lStartIndex - 1 : 0;
    if (from >= used_) return 0;
    const QStringView text = QStringView(buffer_).first(used_);
    const qsizetype at = text.indexOf(sToFind, from, compare == Compare::Text ? Qt::CaseInsensitive : Qt::CaseSensitive);
    return at < 0 ? 0 : static_cast<std::int32_t>(at + 1);
}

void StringBuilder::HeapMinimize() {
    qsizetype capacity = buffer_.size();
    while (capacity - used_ > chunk_) capacity -= chunk_;
    buffer_.truncate(capacity);
}

}  // namespace ky
