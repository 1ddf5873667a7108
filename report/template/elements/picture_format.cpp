#include "report/template/elements/picture_format.h"

#include <cstdint>
#include <initializer_list>

namespace ky {

namespace {

// Little-endian fields at an offset; callers have checked the length first.
std::uint32_t byteAt(QByteArrayView bytes, qsizetype at) { return static_cast<unsigned char>(bytes[at]); }
std::uint32_t word16(QByteArrayView bytes, qsizetype at) { return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8; }
std::uint32_t word32(QByteArrayView bytes, qsizetype at) { return word16(bytes, at) | word16(bytes, at + 2) << 16; }

bool startsWith(QByteArrayView bytes, QByteArrayView prefix) {
    return bytes.size() >= prefix.size() && bytes.first(prefix.size()) == prefix;
}

bool oneOf(std::uint32_t value, std::initializer_list<std::uint32_t> allowed) {
    for (std::uint32_t a : allowed)
        if (value == a) return true;
    return false;
}

// File header (14 bytes) then an information header whose size names its
// version: core (12), OS/2 (16 or 64), info (40), the two extended infos
// (52, 56), v4 (108), v5 (124). A header that does not fit is a cut-off file.
bool isBmp(QByteArrayView bytes) {
    constexpr qsizetype kFileHeader = 14;
    if (bytes.size() < kFileHeader + 4 || !startsWith(bytes, "BM")) return false;
    const std::uint32_t infoSize = word32(bytes, kFileHeader);
    return oneOf(infoSize, {12, 16, 40, 52, 56, 64, 108, 124}) && kFileHeader + qsizetype(infoSize) <= bytes.size();
}

bool isJpeg(QByteArrayView bytes) { return startsWith(bytes, QByteArrayView("\xFF\xD8\xFF", 3)); }

// Signature and version (6 bytes), then the 7-byte logical screen descriptor.
bool isGif(QByteArrayView bytes) {
    return bytes.size() >= 13 && (startsWith(bytes, "GIF87a") || startsWith(bytes, "GIF89a"));
}

// The first record is EMR_HEADER (type 1) of at least 88 bytes, with
// " EMF" at offset 40; its size must fit in the file.
bool isEmf(QByteArrayView bytes) {
    constexpr qsizetype kHeaderRecord = 88;
    constexpr std::uint32_t kEmrHeader = 1, kSignature = 0x464D4520;
    if (bytes.size() < kHeaderRecord) return false;
    const std::uint32_t recordSize = word32(bytes, 4);
    return word32(bytes, 0) == kEmrHeader && word32(bytes, 40) == kSignature && recordSize >= kHeaderRecord &&
           recordSize <= static_cast<std::uint64_t>(bytes.size());
}

// META_HEADER (18 bytes): type 1 (memory) or 2 (disk), header size 9 words,
// version 0x0100 or 0x0300.
bool isWmfHeader(QByteArrayView bytes) {
    constexpr qsizetype kMetaHeader = 18;
    return bytes.size() >= kMetaHeader && oneOf(word16(bytes, 0), {1, 2}) && word16(bytes, 2) == 9 &&
           oneOf(word16(bytes, 4), {0x0100, 0x0300});
}

// The 22-byte placeable header keyed 0x9AC6CDD7, then a standard metafile.
// Its checksum is not checked: players ignore it and writers get it wrong.
bool isPlaceableWmf(QByteArrayView bytes) {
    constexpr qsizetype kPlaceableHeader = 22;
    return bytes.size() >= kPlaceableHeader && word32(bytes, 0) == 0x9AC6CDD7u &&
           isWmfHeader(bytes.sliced(kPlaceableHeader));
}

}  // namespace

PictureFormat sniffPictureFormat(QByteArrayView bytes) {
    if (isBmp(bytes)) return PictureFormat::Bmp;
    if (isJpeg(bytes)) return PictureFormat::Jpeg;
    if (isGif(bytes)) return PictureFormat::Gif;
    if (isEmf(bytes)) return PictureFormat::Emf;
    if (isPlaceableWmf(bytes)) return PictureFormat::PlaceableWmf;
    if (isWmfHeader(bytes)) return PictureFormat::Wmf;
    return PictureFormat::None;
}

}  // namespace ky
