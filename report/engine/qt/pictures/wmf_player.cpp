#include "report/engine/qt/pictures/wmf_player.h"

#include "report/engine/qt/pictures/dib_image.h"
#include "report/engine/qt/pictures/svg_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ky {

namespace {

// Record functions.
enum : std::uint16_t {
    kSaveDc = 0x001E,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106,
    kRestoreDc = 0x0127,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDibCreatePatternBrush = 0x0142,
    kDeleteObject = 0x01F0,
    kCreatePatternBrush = 0x01F9,
    kCreatePalette = 0x00F7,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetViewportOrg = 0x020D,
    kSetViewportExt = 0x020E,
    kOffsetWindowOrg = 0x020F,
    kOffsetViewportOrg = 0x0211,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kScaleWindowExt = 0x0410,
    kScaleViewportExt = 0x0412,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kRoundRect = 0x061C,
    kPatBlt = 0x061D,
    kCreateRegion = 0x06FF,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kDibBitBlt = 0x0940,
    kExtTextOut = 0x0A32,
    kDibStretchBlt = 0x0B41,
    kStretchDib = 0x0F43,
};

// Enough for any picture a report shows; a metafile past them is hostile.
constexpr qint64 kMaxElements = 200'000;
constexpr qint64 kMaxImagePixels = 16 * 1024 * 1024;
constexpr std::size_t kMaxSavedStates = 1024;

constexpr int kPenNull = 5;
constexpr std::uint16_t kTextUpdatesPosition = 0x0001, kTextRight = 0x0002, kTextCentre = 0x0006,
                        kTextHorizontal = 0x0006, kTextBottom = 0x0008, kTextBaseline = 0x0018,
                        kTextVertical = 0x0018;
constexpr std::uint16_t kEtoOpaque = 0x0002, kEtoClipped = 0x0004, kEtoGlyphIndex = 0x0010;
// The ternary raster operations a blit draws: the source, the brush, black, white.
constexpr std::uint8_t kRopSource = 0xCC, kRopBrush = 0xF0, kRopBlack = 0x00, kRopWhite = 0xFF;

// The face proportions a player cannot measure without the face: the em in
// a cell, and ascent and descent in the em, as typical faces have them.
constexpr double kEmPerCell = 0.9, kAscent = 0.9, kDescent = 0.2;
constexpr double kDefaultFontTwips = 240;  // 12 points
// Twips: 22 inches, and just within the widths Qt's pens take.
constexpr double kMaxStrokeOrFont = 32000;

// A cosmetic pen's pattern, in device pixels.
std::vector<double> dashesOf(int style) {
    switch (style) {
    case 1: return {18, 6};
    case 2: return {3, 3};
    case 3: return {9, 6, 3, 6};
    case 4: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

std::uint8_t ropOf(std::uint32_t rop) { return static_cast<std::uint8_t>(rop >> 16); }

void addPoints(SvgPathData& path, const WmfMapping& mapping, const WmfRecord& record, qsizetype word, int count,
               bool closed) {
    for (int i = 0; i < count; ++i) {
        const QPointF p = mapping.map(record.pointXY(word + 2 * i));
        if (i == 0) path.moveTo(p);
        else path.lineTo(p);
    }
    if (closed) path.close();
}

}  // namespace

WmfPlayer::WmfPlayer(const QRect& box, int unitsPerInch, int objectSlots, SvgDocument& out)
    : out_(out), state_(WmfMapping(box, unitsPerInch)), objects_(objectSlots) {}

bool WmfPlayer::play(const WmfRecord& r) {
    if (playState(r) || playObject(r)) return !stopped_;
    switch (r.function()) {
    case kMoveTo:
        if (r.words() >= 2) state_.position = r.pointYX(0);
        break;
    case kLineTo: lineTo(r); break;
    case kRectangle: rectangle(r, false); break;
    case kRoundRect: rectangle(r, true); break;
    case kEllipse: ellipse(r); break;
    case kArc: arc(r, ArcKind::Open); break;
    case kPie: arc(r, ArcKind::Pie); break;
    case kChord: arc(r, ArcKind::Chord); break;
    case kPolygon: poly(r, true); break;
    case kPolyline: poly(r, false); break;
    case kPolyPolygon: polyPolygon(r); break;
    case kTextOut: textOut(r); break;
    case kExtTextOut: extTextOut(r); break;
    case kPatBlt:  // the operation, the height and width, the corner y first
        if (r.words() >= 6) patternBlit(r.u32(0), r.pointYX(4), QSizeF(r.i16(3), r.i16(2)));
        break;
    case kStretchDib: stretchDib(r); break;
    case kDibStretchBlt: dibStretchBlt(r); break;
    case kDibBitBlt: dibBitBlt(r); break;
    default: break;
    }
    return !stopped_;
}

// Records that change the state of the device context; one too short for
// its values changes nothing.
bool WmfPlayer::playState(const WmfRecord& r) {
    WmfMapping& mapping = state_.mapping;
    const bool hasValue = r.words() >= 1, hasPair = r.words() >= 2, hasScaling = r.words() >= 4;
    // Points and sizes come y first; scalings as y divisor, y multiplier, x divisor, x multiplier.
    const QPointF point = r.pointYX(0);
    const QSizeF size(r.i16(1), r.i16(0)), num(r.i16(3), r.i16(1)), denom(r.i16(2), r.i16(0));
    switch (r.function()) {
    case kSaveDc:
        if (saved_.size() < kMaxSavedStates) saved_.push_back(state_);
        break;
    case kRestoreDc:
        if (hasValue) restoreState(r.i16(0));
        break;
    case kSetMapMode:
        if (hasValue) mapping.setMapMode(r.u16(0));
        break;
    case kSetWindowOrg:
        if (hasPair) mapping.setWindowOrg(point);
        break;
    case kSetWindowExt:
        if (hasPair) mapping.setWindowExt(size);
        break;
    case kSetViewportOrg:
        if (hasPair) mapping.setViewportOrg(point);
        break;
    case kSetViewportExt:
        if (hasPair) mapping.setViewportExt(size);
        break;
    case kOffsetWindowOrg:
        if (hasPair) mapping.offsetWindowOrg(point);
        break;
    case kOffsetViewportOrg:
        if (hasPair) mapping.offsetViewportOrg(point);
        break;
    case kScaleWindowExt:
        if (hasScaling) mapping.scaleWindowExt(num, denom);
        break;
    case kScaleViewportExt:
        if (hasScaling) mapping.scaleViewportExt(num, denom);
        break;
    case kSetTextColor:
        if (hasPair) state_.textColor = wmfColor(r.u32(0));
        break;
    case kSetBkColor:
        if (hasPair) state_.backgroundColor = wmfColor(r.u32(0));
        break;
    case kSetBkMode:
        if (hasValue) state_.opaqueBackground = r.u16(0) == 2;
        break;
    case kSetPolyFillMode:
        if (hasValue) state_.windingFill = r.u16(0) == 2;
        break;
    case kSetTextAlign:
        if (hasValue) state_.textAlign = r.u16(0);
        break;
    default: return false;
    }
    return true;
}

// Records that create, select and delete objects. A create record takes its
// slot even when short, so that the slots of the objects after it stay right.
bool WmfPlayer::playObject(const WmfRecord& r) {
    switch (r.function()) {
    case kCreatePenIndirect: objects_.create(wmfPen(r)); return true;
    case kCreateBrushIndirect: objects_.create(wmfBrush(r)); return true;
    case kCreateFontIndirect: objects_.create(wmfFont(r, decoder_)); return true;
    // Pattern brushes paint nothing here rather than a colour they do not have.
    case kCreatePatternBrush:
    case kDibCreatePatternBrush: objects_.create(WmfBrush{WmfBrush::Null}); return true;
    case kCreatePalette:
    case kCreateRegion: objects_.create(WmfOtherObject{}); return true;
    case kSelectObject:
        if (r.words() >= 1) select(r.u16(0));
        return true;
    case kDeleteObject:
        if (r.words() >= 1) objects_.remove(r.u16(0));
        return true;
    default: return false;
    }
}

// Positive: the saved state of that number, counted from 1; negative: that
// many states back. The states saved after it are gone.
void WmfPlayer::restoreState(int which) {
    const auto depth = static_cast<qsizetype>(saved_.size());
    const qsizetype index = which < 0 ? depth + which : which - 1;
    if (which == 0 || index < 0 || index >= depth) return;
    state_ = saved_[static_cast<std::size_t>(index)];
    saved_.erase(saved_.begin() + index, saved_.end());
}

void WmfPlayer::select(int index) {
    const WmfObject* object = objects_.find(index);
    if (!object) return;
    if (const auto* pen = std::get_if<WmfPen>(object)) state_.pen = *pen;
    else if (const auto* brush = std::get_if<WmfBrush>(object)) state_.brush = *brush;
    else if (const auto* font = std::get_if<WmfFont>(object)) state_.font = *font;
}

// A pen's width is in logical units along x; a thin one is a device pixel
// wide, and only thin pens draw their style's dashes.
std::optional<SvgStroke> WmfPlayer::stroke() const {
    const WmfPen& pen = state_.pen;
    const int style = pen.style & 0x000F;
    if (style == kPenNull) return std::nullopt;
    SvgStroke stroke;
    stroke.color = pen.color;
    const double width = std::min(std::abs(pen.width * state_.mapping.scale().width()), kMaxStrokeOrFont);
    stroke.width = std::max(width, WmfMapping::kPixel);
    if (width <= WmfMapping::kPixel)
        for (double dash : dashesOf(style)) stroke.dashes.push_back(dash * WmfMapping::kPixel);
    switch (pen.style & 0x0F00) {
    case 0x0100: stroke.cap = "square"; break;
    case 0x0200: stroke.cap = "butt"; break;
    default: break;
    }
    switch (pen.style & 0xF000) {
    case 0x1000: stroke.join = "bevel"; break;
    case 0x2000: stroke.join = "miter"; break;
    default: break;
    }
    return stroke;
}

// Hatched brushes fill in their colour, without the hatching.
std::optional<QRgb> WmfPlayer::fill() const {
    const WmfBrush& brush = state_.brush;
    if (brush.style == WmfBrush::Solid || brush.style == WmfBrush::Hatched) return brush.color;
    return std::nullopt;
}

template <typename Element>
void WmfPlayer::drawShape(Element element, bool filled) {
    SvgPaint paint{filled ? fill() : std::nullopt, !state_.windingFill, stroke()};
    if (paint.stroke && !paint.stroke->dashes.empty() && state_.opaqueBackground) {
        SvgStroke gaps = *paint.stroke;
        gaps.color = state_.backgroundColor;
        gaps.dashes.clear();
        put(element(SvgPaint{paint.fill, paint.evenOdd, gaps}));
        paint.fill.reset();
    }
    put(element(paint));
}

void WmfPlayer::put(const QByteArray& element) {
    if (element.isEmpty() || stopped_) return;
    if (++elements_ > kMaxElements || !out_.add(element)) stopped_ = true;
}

void WmfPlayer::lineTo(const WmfRecord& r) {
    if (r.words() < 2) return;
    SvgPathData path;
    path.moveTo(map(state_.position));
    state_.position = r.pointYX(0);
    path.lineTo(map(state_.position));
    drawShape([&](const SvgPaint& paint) { return svgPath(path, paint); }, false);
}

// Bottom, right, top, left; a rounded one has the corners' ellipse height
// and width before them.
void WmfPlayer::rectangle(const WmfRecord& r, bool rounded) {
    const qsizetype at = rounded ? 2 : 0;
    if (r.words() < at + 4) return;
    const QRectF rect = mapRect(r.pointYX(at + 2), r.pointYX(at));
    QSizeF radii;
    if (rounded) {
        const QSizeF scale = state_.mapping.scale();
        radii = QSizeF(std::min(std::abs(r.i16(1) * scale.width()) / 2, rect.width() / 2),
                       std::min(std::abs(r.i16(0) * scale.height()) / 2, rect.height() / 2));
    }
    drawShape([&](const SvgPaint& paint) { return svgRect(rect, radii, paint); }, true);
}

void WmfPlayer::ellipse(const WmfRecord& r) {
    if (r.words() < 4) return;
    const QRectF rect = mapRect(r.pointYX(2), r.pointYX(0));
    drawShape([&](const SvgPaint& paint) { return svgEllipse(rect, paint); }, true);
}

// End point, start point, then the bounding box as bottom, right, top,
// left. The arc runs anticlockwise on the page from where the line from the
// centre to the start point crosses the ellipse to where the one to the end
// point does; the same point twice is the whole ellipse.
void WmfPlayer::arc(const WmfRecord& r, ArcKind kind) {
    if (r.words() < 8) return;
    const QRectF box = mapRect(r.pointYX(6), r.pointYX(4));
    if (box.isEmpty()) return;
    const QPointF centre = box.center();
    const QSizeF radii(box.width() / 2, box.height() / 2);
    auto angleOf = [&](QPointF logical) {
        const QPointF p = map(logical) - centre;
        return std::atan2(p.y() / radii.height(), p.x() / radii.width());
    };
    auto onEllipse = [&](double angle) {
        return centre + QPointF(radii.width() * std::cos(angle), radii.height() * std::sin(angle));
    };
    constexpr double kTurn = 2 * std::numbers::pi;
    const double from = angleOf(r.pointYX(2)), to = angleOf(r.pointYX(0));
    double span = std::fmod(from - to, kTurn);  // angles grow clockwise on the page
    if (span <= 0) span += kTurn;
    SvgPathData path;
    if (kind == ArcKind::Pie) {
        path.moveTo(centre);
        path.lineTo(onEllipse(from));
    } else {
        path.moveTo(onEllipse(from));
    }
    if (span >= kTurn - 1e-9) {
        // An arc whose ends meet draws nothing: a whole turn is two halves.
        path.arcTo(radii, false, false, onEllipse(from - kTurn / 2));
        path.arcTo(radii, false, false, onEllipse(from));
    } else {
        path.arcTo(radii, span > kTurn / 2, false, onEllipse(to));
    }
    if (kind != ArcKind::Open) path.close();
    drawShape([&](const SvgPaint& paint) { return svgPath(path, paint); }, kind != ArcKind::Open);
}

// A count, then that many points, x first.
void WmfPlayer::poly(const WmfRecord& r, bool closed) {
    const int count = r.i16(0);
    if (count < 2 || count > (r.words() - 1) / 2) return;
    SvgPathData path;
    addPoints(path, state_.mapping, r, 1, count, closed);
    drawShape([&](const SvgPaint& paint) { return svgPath(path, paint); }, closed);
}

// The number of polygons, each one's number of points, then all the points.
void WmfPlayer::polyPolygon(const WmfRecord& r) {
    const int polygons = r.u16(0);
    if (polygons == 0 || polygons > r.words() - 1) return;
    qsizetype word = 1 + polygons;
    SvgPathData path;
    for (int i = 0; i < polygons; ++i) {
        const int count = r.u16(1 + i);
        if (count > (r.words() - word) / 2) return;
        addPoints(path, state_.mapping, r, word, count, true);
        word += 2 * count;
    }
    drawShape([&](const SvgPaint& paint) { return svgPath(path, paint); }, true);
}

// The length, the string (padded to a word), then the point y first.
void WmfPlayer::textOut(const WmfRecord& r) {
    const int length = r.i16(0);
    if (length <= 0) return;
    const qsizetype stringWords = (length + 1) / 2;
    if (r.words() < 1 + stringWords + 2) return;
    drawText(r.pointYX(1 + stringWords), r.bytes(1, length), std::nullopt);
}

// The point y first, the length, the options, a rectangle (left, top,
// right, bottom) when the options clip or fill it, the string padded to a
// word, and maybe each character's advance.
void WmfPlayer::extTextOut(const WmfRecord& r) {
    if (r.words() < 4) return;
    const int length = r.i16(2);
    const std::uint16_t options = r.u16(3);
    const bool hasRect = options & (kEtoOpaque | kEtoClipped);
    if (hasRect && r.words() < 8) return;
    if (options & kEtoOpaque) fillRect(mapRect(r.pointXY(4), r.pointXY(6)), state_.backgroundColor);
    // Glyph indices name glyphs of a face this player does not have.
    if (length <= 0 || options & kEtoGlyphIndex) return;
    const qsizetype stringWord = hasRect ? 8 : 4, advancesWord = stringWord + (length + 1) / 2;
    std::optional<double> advance;
    if (r.words() >= advancesWord + length) {
        advance = 0.0;
        for (int i = 0; i < length; ++i) *advance += r.i16(advancesWord + i);
    }
    drawText(r.pointYX(0), r.bytes(stringWord, length), advance);
}

// The point is where the text's box is aligned as the text alignment says;
// with the current position instead, the text moves it on by its advance
// when the record gives one. The em and the baseline come from typical face
// proportions, the player having no face to measure.
void WmfPlayer::drawText(QPointF logical, QByteArrayView bytes, std::optional<double> advance) {
    const int align = state_.textAlign;
    if (align & kTextUpdatesPosition) {
        logical = state_.position;
        if (advance) state_.position.rx() += *advance;
    }
    const WmfFont& font = state_.font;
    SvgTextRun run;
    run.text = decoder_.decode(bytes, font.charset);
    const double em = font.height < 0 ? -font.height : font.height * kEmPerCell;
    run.size = font.height == 0 ? kDefaultFontTwips
                                : std::min(em * std::abs(state_.mapping.scale().height()), kMaxStrokeOrFont);
    run.family = font.face;
    run.weight = font.weight;
    run.italic = font.italic;
    run.underline = font.underline;
    run.strikeOut = font.strikeOut;
    run.color = state_.textColor;
    run.angle = -font.escapement / 10;
    if ((align & kTextHorizontal) == kTextCentre) run.anchor = "middle";
    else if ((align & kTextHorizontal) == kTextRight) run.anchor = "end";
    double down = kAscent * run.size;  // from the point to the baseline, across the text
    if ((align & kTextVertical) == kTextBaseline) down = 0;
    else if ((align & kTextVertical) == kTextBottom) down = -kDescent * run.size;
    const double radians = run.angle * std::numbers::pi / 180;
    run.at = map(logical) + QPointF(-std::sin(radians) * down, std::cos(radians) * down);
    put(svgText(run));
}

void WmfPlayer::fillRect(const QRectF& rect, QRgb color) {
    put(svgRect(rect, {}, SvgPaint{color, false, std::nullopt}));
}

// A blit without a source paints the brush, black or white; other
// operations mix with what is already drawn, which a picture cannot.
void WmfPlayer::patternBlit(std::uint32_t rop, QPointF corner, QSizeF size) {
    const QRectF rect = mapRect(corner, corner + QPointF(size.width(), size.height()));
    switch (ropOf(rop)) {
    case kRopBrush:
        if (const auto color = fill()) fillRect(rect, *color);
        break;
    case kRopBlack: fillRect(rect, qRgb(0, 0, 0)); break;
    case kRopWhite: fillRect(rect, qRgb(255, 255, 255)); break;
    default: break;
    }
}

// The whole bitmap fills the destination, mirrored where the mapping flips
// it; a source rectangle within the bitmap is not cut out.
void WmfPlayer::dibBlit(std::uint32_t rop, QPointF corner, QSizeF size, QByteArrayView dib) {
    if (ropOf(rop) != kRopSource) {
        patternBlit(rop, corner, size);
        return;
    }
    if (stopped_ || imagePixels_ >= kMaxImagePixels) return;
    QImage image = dibImage(dib, kMaxImagePixels - imagePixels_);
    if (image.isNull()) return;
    imagePixels_ += static_cast<qint64>(image.width()) * image.height();
    const QPointF a = map(corner), b = map(corner + QPointF(size.width(), size.height()));
    if (b.x() < a.x() || b.y() < a.y()) image = image.mirrored(b.x() < a.x(), b.y() < a.y());
    put(svgImage(QRectF(a, b).normalized(), svg::pngDataUri(image)));
}

// The operation, how the colours are given, the source rectangle (height,
// width, y, x), the destination (height, width, y, x), the bitmap. Colours
// given as palette indices need a palette this player does not keep.
void WmfPlayer::stretchDib(const WmfRecord& r) {
    constexpr std::uint16_t kPaletteColors = 1;
    if (r.words() < 11 || r.u16(2) == kPaletteColors) return;
    dibBlit(r.u32(0), r.pointYX(9), QSizeF(r.i16(8), r.i16(7)), r.bytes(11, r.words() * 2));
}

// The operation, the source rectangle (height, width, y, x), the
// destination (height, width, y, x), the bitmap. Without a bitmap the
// record is as many words as its function's high byte says, with a
// reserved word before the destination.
void WmfPlayer::dibStretchBlt(const WmfRecord& r) {
    const bool hasBitmap = r.words() > (r.function() >> 8);
    const qsizetype dest = hasBitmap ? 6 : 7;
    if (r.words() < dest + 4) return;
    const QPointF corner = r.pointYX(dest + 2);
    const QSizeF size(r.i16(dest + 1), r.i16(dest));
    if (hasBitmap) dibBlit(r.u32(0), corner, size, r.bytes(dest + 4, r.words() * 2));
    else patternBlit(r.u32(0), corner, size);
}

// The operation, the source point (y, x), the size (height, width), the
// destination (y, x), the bitmap; without one, a reserved word before the size.
void WmfPlayer::dibBitBlt(const WmfRecord& r) {
    const bool hasBitmap = r.words() > (r.function() >> 8);
    const qsizetype size = hasBitmap ? 4 : 5;
    if (r.words() < size + 4) return;
    const QPointF corner = r.pointYX(size + 2);
    const QSizeF extent(r.i16(size + 1), r.i16(size));
    if (hasBitmap) dibBlit(r.u32(0), corner, extent, r.bytes(size + 4, r.words() * 2));
    else patternBlit(r.u32(0), corner, extent);
}

}  // namespace ky
