#pragma once
// StringBuilder: a growable text buffer for hosts (and the JSON reader). It
// grows by whole chunks, so many small appends cost few reallocations.

#include "platform/com_object.h"

#include <QString>

#include <cstdint>

namespace ky {

class IStringBuilder {
public:
    static constexpr Guid iid{0x5C0D9A11, 0x3E2B, 0x4F61, {0x9A, 0x4E, 0x21, 0x7B, 0x0C, 0x51, 0x6E, 0x13}};
    enum class Compare { Binary, Text };  // Text ignores case
    virtual ~IStringBuilder() = default;

    virtual std::int32_t Length() const = 0;
    virtual std::int32_t Capacity() const = 0;
    virtual std::int32_t ChunkSize() const = 0;
    // Throws ComError (overflow) from 2^30 up, and for sizes below 1.
    virtual void setChunkSize(std::int32_t characters) = 0;
    virtual QString toString() const = 0;
    virtual void setTheString(const QString& text) = 0;
    virtual void Clear() = 0;
    virtual void Append(const QString& sThis) = 0;
    virtual void AppendByVal(const QString& sThis) = 0;
    virtual void AppendNL(const QString& sThis) = 0;
    // Before the character at 0-based iIndex; throws ComError (subscript out
    // of range) past the used length.
    virtual void Insert(std::int32_t iIndex, const QString& sThis) = 0;
    virtual void InsertByVal(std::int32_t iIndex, const QString& sThis) = 0;
    virtual void Remove(std::int32_t iIndex, std::int32_t lLen) = 0;
    // 1-based position of the first occurrence at or after lStartIndex, or 0.
    virtual std::int32_t Find(const QString& sToFind, std::int32_t lStartIndex = 1, Compare compare = Compare::Text) const = 0;
    virtual void HeapMinimize() = 0;
};

class StringBuilder final : public com::Object, public IStringBuilder {
public:
    static constexpr Guid clsid{0x5C0D9A11, 0x3E2B, 0x4F61, {0x9A, 0x4E, 0x21, 0x7B, 0x0C, 0x51, 0x6E, 0x04}};
    static constexpr std::int32_t defaultChunkSize = 8192;

    void* queryInterface(const Guid& interfaceId) noexcept override { return com::interfaceOf<IStringBuilder>(this, interfaceId); }

    std::int32_t Length() const override { return used_; }
    std::int32_t Capacity() const override { return static_cast<std::int32_t>(buffer_.size()); }
    std::int32_t ChunkSize() const override { return chunk_; }
    void setChunkSize(std::int32_t characters) override;
    QString toString() const override { return buffer_.left(used_); }
    void setTheString(const QString& text) override;
    void Clear() override;
    void Append(const QString& sThis) override;
    void AppendByVal(const QString& sThis) override { Append(sThis); }
    void AppendNL(const QString& sThis) override;
    void Insert(std::int32_t iIndex, const QString& sThis) override;
    void InsertByVal(std::int32_t iIndex, const QString& sThis) override { Insert(iIndex, sThis); }
    void Remove(std::int32_t iIndex, std::int32_t lLen) override;
    std::int32_t Find(const QString& sToFind, std::int32_t lStartIndex = 1, Compare compare = Compare::Text) const override;
    void HeapMinimize() override;

private:
    // Grows the capacity by whole chunks until it holds `length` characters.
    void reserveChunks(qint64 length);

    QString buffer_;  // its size is the capacity; blanks beyond the used length
    std::int32_t used_ = 0;
    std::int32_t chunk_ = defaultChunkSize;
};

}  // namespace ky
