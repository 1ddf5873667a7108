#include "report/engine/qt/pictures/metafile.h"

#include "report/engine/qt/pictures/little_endian.h"
#include "report/engine/qt/pictures/wmf_header.h"
#include "report/engine/qt/pictures/wmf_to_svg.h"

#include <emf2svg.h>

#include <cstdint>
#include <cstdlib>

namespace ky {

namespace {

constexpr std::uint32_t kEmrHeader = 1, kEmrEof = 14;
constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr qsizetype kEmfHeaderMinimum = 88;
constexpr double kTwipsPerHundredthMillimetre = 1440 / 2540.0;
constexpr double kTwipsPerInch = 1440;

std::uint32_t u32(const QByteArray& bytes, qsizetype at) { return readLittleEndian<std::uint32_t>(bytes, at); }
std::int32_t i32(const QByteArray& bytes, qsizetype at) { return readLittleEndian<std::int32_t>(bytes, at); }

bool hasEmfHeader(const QByteArray& bytes) {
    return bytes.size() >= kEmfHeaderMinimum && u32(bytes, 0) == kEmrHeader && u32(bytes, 40) == kEmfSignature;
}

// Every record lies inside the bytes, is a whole number of 32-bit words long,
// and the last is the end-of-file record.
bool emfRecordsAreSound(const QByteArray& bytes) {
    qsizetype at = 0;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t type = u32(bytes, at), size = u32(bytes, at + 4);
        if (size < 8 || size % 4 != 0 || size > static_cast<std::uint64_t>(bytes.size() - at)) return false;
        if (type == kEmrEof) return true;
        at += size;
    }
    return false;
}

}  // namespace

MetafileKind metafileKind(const QByteArray& bytes) {
    if (hasEmfHeader(bytes)) return MetafileKind::Emf;
    if (wmfPlaceable(bytes)) return MetafileKind::Wmf;
    return MetafileKind::None;
}

std::optional<QSizeF> metafileSize(const QByteArray& bytes) {
    switch (metafileKind(bytes)) {
    case MetafileKind::Emf: {
        // The frame, in hundredths of a millimetre, inclusive.
        const double width = static_cast<double>(i32(bytes, 32)) - i32(bytes, 24);
        const double height = static_cast<double>(i32(bytes, 36)) - i32(bytes, 28);
        if (width <= 0 || height <= 0) return std::nullopt;
        return QSizeF(width * kTwipsPerHundredthMillimetre, height * kTwipsPerHundredthMillimetre);
    }
    case MetafileKind::Wmf: {
        const auto placeable = wmfPlaceable(bytes);
        if (!placeable || placeable->box.isEmpty() || placeable->unitsPerInch <= 0) return std::nullopt;
        return QSizeF(placeable->box.size()) * (kTwipsPerInch / placeable->unitsPerInch);
    }
    case MetafileKind::None:
        break;
    }
    return std::nullopt;
}

QByteArray emfToSvg(const QByteArray& bytes) {
    if (metafileKind(bytes) != MetafileKind::Emf || !emfRecordsAreSound(bytes)) return {};
    QByteArray input = bytes;  // the converter takes a mutable buffer
    generatorOptions options{};
    // No namespace prefix: with one the converter leaks its prefixed copy.
    options.nameSpace = nullptr;
    options.svgDelimiter = true;
    char* svg = nullptr;
    size_t length = 0;
    const int ok = emf2svg(input.data(), static_cast<size_t>(input.size()), &svg, &length, &options);
    QByteArray result = ok && svg ? QByteArray(svg, static_cast<qsizetype>(length)) : QByteArray();
    std::free(svg);
    return result;
}

QByteArray metafileToSvg(const QByteArray& bytes) {
    switch (metafileKind(bytes)) {
    case MetafileKind::Emf: return emfToSvg(bytes);
    case MetafileKind::Wmf: return wmfToSvg(bytes);
    case MetafileKind::None: break;
    }
    return {};
}

}  // namespace ky
