#include "report/engine/qt/pictures/wmf_objects.h"

#include "report/engine/qt/pictures/wmf_text_decoder.h"

#include <algorithm>

namespace ky {

namespace {

constexpr qsizetype kFaceOffset = 18, kFaceBytes = 32;

}  // namespace

QRgb wmfColor(std::uint32_t colorRef) { return qRgb(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF); }

// Style, width as a point whose y is unused, colour.
WmfPen wmfPen(const WmfRecord& createPen) {
    return {createPen.u16(0), static_cast<double>(createPen.i16(1)), wmfColor(createPen.u32(3))};
}

// Style, colour, hatch.
WmfBrush wmfBrush(const WmfRecord& createBrush) {
    return {createBrush.u16(0), wmfColor(createBrush.u32(1))};
}

// Height, width, escapement, orientation, weight (16 bits each), then the
// italic, underline, strike-out and character-set bytes, three precision
// bytes, pitch and family, and a face name of up to 32 bytes ending at a 0.
WmfFont wmfFont(const WmfRecord& createFont, WmfTextDecoder& decoder) {
    WmfFont font;
    font.height = createFont.i16(0);
    font.escapement = createFont.i16(2);
    if (const int weight = createFont.i16(4); weight > 0) font.weight = weight;
    font.italic = createFont.byte(10) != 0;
    font.underline = createFont.byte(11) != 0;
    font.strikeOut = createFont.byte(12) != 0;
    font.charset = createFont.byte(13);
    QByteArrayView face = createFont.bytes(kFaceOffset / 2, kFaceBytes);
    if (const qsizetype end = face.indexOf('\0'); end >= 0) face = face.first(end);
    font.face = decoder.decode(face, font.charset);
    return font;
}

WmfObjectTable::WmfObjectTable(int slots) : slots_(static_cast<std::size_t>(std::max(0, slots))) {
    for (int i = 0; i < static_cast<int>(slots_.size()); ++i) free_.insert(free_.end(), i);
}

void WmfObjectTable::create(WmfObject object) {
    if (free_.empty()) return;
    const int slot = *free_.begin();
    free_.erase(free_.begin());
    slots_[static_cast<std::size_t>(slot)] = std::move(object);
}

const WmfObject* WmfObjectTable::find(int index) const {
    if (index < 0 || index >= static_cast<int>(slots_.size())) return nullptr;
    const auto& slot = slots_[static_cast<std::size_t>(index)];
    return slot ? &*slot : nullptr;
}

void WmfObjectTable::remove(int index) {
    if (!find(index)) return;
    slots_[static_cast<std::size_t>(index)].reset();
    free_.insert(index);
}

}  // namespace ky
