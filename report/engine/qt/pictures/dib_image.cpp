#include "report/engine/qt/pictures/dib_image.h"

#include "report/engine/qt/pictures/little_endian.h"
#include "report/engine/qt/pictures/raster_decoder.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace ky {

namespace {

constexpr std::uint32_t kCoreHeader = 12, kInfoHeader = 40;
constexpr std::uint32_t kBitFields = 3, kJpeg = 4, kPng = 5, kAlphaBitFields = 6;
constexpr qsizetype kFileHeader = 14;

struct DibLayout {
    qint64 width = 0, height = 0;
    qint64 headerBytes = 0;
    qint64 tableBytes = 0;  // colour masks and colour table, between the header and the bits
    bool compressedFile = false;
};

std::optional<DibLayout> layoutOf(QByteArrayView dib) {
    const std::uint32_t headerSize = readLittleEndian<std::uint32_t>(dib, 0);
    DibLayout layout;
    layout.headerBytes = headerSize;
    if (headerSize == kCoreHeader) {
        layout.width = readLittleEndian<std::uint16_t>(dib, 4);
        layout.height = readLittleEndian<std::uint16_t>(dib, 6);
        const int bits = readLittleEndian<std::uint16_t>(dib, 10);
        layout.tableBytes = bits <= 8 ? 3 * (qint64(1) << bits) : 0;
    } else if (headerSize >= kInfoHeader && headerSize <= dib.size()) {
        layout.width = readLittleEndian<std::int32_t>(dib, 4);
        layout.height = std::abs(qint64(readLittleEndian<std::int32_t>(dib, 8)));  // below 0: rows top down
        const int bits = readLittleEndian<std::uint16_t>(dib, 14);
        const std::uint32_t compression = readLittleEndian<std::uint32_t>(dib, 16);
        const std::uint32_t used = readLittleEndian<std::uint32_t>(dib, 32);
        layout.compressedFile = compression == kJpeg || compression == kPng;
        // The masks follow the short header only; the longer ones hold them.
        qint64 masks = 0;
        if (headerSize == kInfoHeader && compression == kBitFields) masks = 12;
        if (headerSize == kInfoHeader && compression == kAlphaBitFields) masks = 16;
        const qint64 colors = used != 0 ? used : bits <= 8 ? qint64(1) << bits : 0;
        layout.tableBytes = layout.compressedFile ? 0 : masks + 4 * colors;
    } else {
        return std::nullopt;
    }
    if (layout.headerBytes + layout.tableBytes > dib.size()) return std::nullopt;
    return layout;
}

}  // namespace

QImage dibImage(QByteArrayView dib, qint64 maxArea) {
    const auto layout = layoutOf(dib);
    if (!layout || layout->width <= 0 || layout->height <= 0 || layout->width > kMaxPicturePixels ||
        layout->height > kMaxPicturePixels || layout->width * layout->height > maxArea)
        return {};
    if (layout->compressedFile) return decodeRaster(dib.sliced(layout->headerBytes).toByteArray(), maxArea);
    QByteArray bmp;
    bmp.reserve(kFileHeader + dib.size());
    auto put32 = [&bmp](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp.append(static_cast<char>(v >> (8 * i) & 0xFF));
    };
    bmp.append("BM", 2);
    put32(static_cast<std::uint32_t>(kFileHeader + dib.size()));
    put32(0);  // reserved
    put32(static_cast<std::uint32_t>(kFileHeader + layout->headerBytes + layout->tableBytes));
    bmp.append(dib.data(), dib.size());
    return decodeRaster(bmp, maxArea);
}

}  // namespace ky
