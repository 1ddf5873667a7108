#pragma once
// What a real consumer makes of an EMF page: libemf2svg's SVG, and the
// header fields read straight from the file.

#include <emf2svg.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace ky::test {

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The page as SVG, or nothing when the converter refuses it.
inline std::optional<QString> emfToSvg(const QString& path) {
    QByteArray bytes = fileBytes(path);
    if (bytes.isEmpty()) return std::nullopt;
    generatorOptions options{};
    char space[] = "svg";
    options.nameSpace = space;
    options.svgDelimiter = true;
    char* svg = nullptr;
    std::size_t length = 0;
    const int ok = emf2svg(bytes.data(), static_cast<std::size_t>(bytes.size()), &svg, &length, &options);
    std::optional<QString> text;
    if (ok && svg) text = QString::fromUtf8(svg, static_cast<qsizetype>(length));
    std::free(svg);
    return text;
}

// A 32-bit little-endian field of the header record.
inline std::int32_t headerField(const QByteArray& bytes, int offset) {
    std::int32_t value = 0;
    if (bytes.size() >= offset + 4) std::memcpy(&value, bytes.constData() + offset, 4);
    return value;
}

struct EmfHeader {
    std::int32_t type, boundsRight, boundsBottom, frameRight, frameBottom, signature;
};

// Record type 1; bounds at 8, frame at 24 (both left, top, right, bottom); " EMF" at 40.
inline EmfHeader emfHeader(const QByteArray& bytes) {
    return {headerField(bytes, 0),  headerField(bytes, 16), headerField(bytes, 20),
            headerField(bytes, 32), headerField(bytes, 36), headerField(bytes, 40)};
}

}  // namespace ky::test
