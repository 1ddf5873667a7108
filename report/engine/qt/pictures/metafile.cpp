#include "report/engine/qt/pictures/metafile.h"

#include <emf2svg.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace ky {

namespace {

constexpr std::uint32_t kEmrHeader = 1, kEmrEof = 14;
constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kWmfPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kEmfHeaderMinimum = 88;
constexpr double kTwipsPerHundredthMillimetre = 1440 / 2540.0;
constexpr double kTwipsPerInch = 1440;

std::uint32_t u32(const QByteArray& bytes, qsizetype at) {
    std::uint32_t v = 0;
    std::memcpy(&v, bytes.constData() + at, sizeof v);
    return v;  // metafiles are little-endian, as every machine this runs on
}
std::int32_t i32(const QByteArray& bytes, qsizetype at) { return static_cast<std::int32_t>(u32(bytes, at)); }
std::int16_t i16(const QByteArray& bytes, qsizetype at) {
    std::int16_t v = 0;
    std::memcpy(&v, bytes.constData() + at, sizeof v);
    return v;
}

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
    if (bytes.size() >= 22 && u32(bytes, 0) == kWmfPlaceableKey) return MetafileKind::Wmf;
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
        const double width = static_cast<double>(i16(bytes, 10)) - i16(bytes, 6);
        const double height = static_cast<double>(i16(bytes, 12)) - i16(bytes, 8);
        const double unitsPerInch = static_cast<std::uint16_t>(i16(bytes, 14));
        if (width <= 0 || height <= 0 || unitsPerInch <= 0) return std::nullopt;
        return QSizeF(width / unitsPerInch * kTwipsPerInch, height / unitsPerInch * kTwipsPerInch);
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

}  // namespace ky
