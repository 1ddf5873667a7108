#include "report/engine/qt/pictures/wmf_to_svg.h"

#include "report/engine/qt/pictures/little_endian.h"
#include "report/engine/qt/pictures/svg_document.h"
#include "report/engine/qt/pictures/wmf_header.h"
#include "report/engine/qt/pictures/wmf_player.h"

#include <algorithm>
#include <cstdint>

namespace ky {

namespace {

constexpr std::uint16_t kEndOfFile = 0x0000;
// A record's size in words (32 bits) and its function (16 bits).
constexpr qsizetype kRecordHeader = 6, kMinRecordWords = 3;
// Real metafiles stay far below these; a hostile header asks for more.
constexpr int kMaxObjects = 4096;
constexpr qsizetype kMaxSvgBytes = 64 * 1024 * 1024;
constexpr double kTwipsPerInch = 1440;

}  // namespace

QByteArray wmfToSvg(const QByteArray& bytes) {
    const auto header = wmfHeader(bytes);
    if (!header) return {};
    const WmfPlaceable& placeable = header->placeable;
    SvgDocument document(kMaxSvgBytes);
    WmfPlayer player(placeable.box, placeable.unitsPerInch, std::min(header->objects, kMaxObjects), document);
    const QByteArrayView all(bytes);
    for (qsizetype at = header->firstRecord; at <= all.size() - kRecordHeader;) {
        const qint64 words = readLittleEndian<std::uint32_t>(all, at);
        const std::uint16_t function = readLittleEndian<std::uint16_t>(all, at + 4);
        if (words < kMinRecordWords || words > (all.size() - at) / 2 || function == kEndOfFile) break;
        if (!player.play(WmfRecord(function, all.sliced(at + kRecordHeader, words * 2 - kRecordHeader)))) break;
        at += words * 2;
    }
    return document.finish(QSizeF(placeable.box.size()) * (kTwipsPerInch / placeable.unitsPerInch));
}

}  // namespace ky
