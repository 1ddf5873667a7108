#include "report/engine/qt/pictures/wmf_header.h"

#include "report/engine/qt/pictures/little_endian.h"

#include <cstdint>

namespace ky {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kPlaceableSize = 22, kMetaHeaderSize = 18;
constexpr std::uint16_t kMetaHeaderWords = 9;

}  // namespace

std::optional<WmfPlaceable> wmfPlaceable(const QByteArray& bytes) {
    if (bytes.size() < kPlaceableSize || readLittleEndian<std::uint32_t>(bytes, 0) != kPlaceableKey)
        return std::nullopt;
    auto i16 = [&](qsizetype at) { return readLittleEndian<std::int16_t>(bytes, at); };
    WmfPlaceable placeable;
    placeable.box = QRect(QPoint(i16(6), i16(8)), QSize(i16(10) - i16(6), i16(12) - i16(8)));
    placeable.unitsPerInch = readLittleEndian<std::uint16_t>(bytes, 14);
    return placeable;
}

std::optional<WmfHeader> wmfHeader(const QByteArray& bytes) {
    const auto placeable = wmfPlaceable(bytes);
    if (!placeable || placeable->box.isEmpty() || placeable->unitsPerInch <= 0) return std::nullopt;
    const QByteArrayView meta = QByteArrayView(bytes).sliced(kPlaceableSize);
    if (meta.size() < kMetaHeaderSize) return std::nullopt;
    const std::uint16_t type = readLittleEndian<std::uint16_t>(meta, 0);
    if ((type != 1 && type != 2) || readLittleEndian<std::uint16_t>(meta, 2) != kMetaHeaderWords) return std::nullopt;
    return WmfHeader{*placeable, readLittleEndian<std::uint16_t>(meta, 10), kPlaceableSize + kMetaHeaderSize};
}

}  // namespace ky
