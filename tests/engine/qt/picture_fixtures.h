#pragma once
// Picture files made on the spot: raster formats written by Qt, and the
// smallest EMF there is (a header, one rectangle, the end record).

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <cstring>

namespace ky::test {

inline QByteArray rasterFile(const char* format, QSize size = {40, 20}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Qt writes no GIF: a 1 × 1 one, byte by byte.
inline QByteArray smallGif() {
    static const unsigned char gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0,
                                        0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3B};
    return QByteArray(reinterpret_cast<const char*>(gif), sizeof gif);
}

class EmfWriter {
public:
    void u32(std::uint32_t v) { bytes_.append(reinterpret_cast<const char*>(&v), 4); }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    QByteArray& bytes() { return bytes_; }

private:
    QByteArray bytes_;
};

// A 10 mm × 5 mm frame (bounds 0..99 × 0..49 device pixels) with a black
// rectangle outline across it.
inline QByteArray smallEmf() {
    EmfWriter emf;
    constexpr std::uint32_t headerSize = 108, rectangleSize = 24, eofSize = 20;
    emf.u32(1);  // EMR_HEADER
    emf.u32(headerSize);
    for (std::int32_t v : {0, 0, 99, 49}) emf.i32(v);       // bounds, device pixels
    for (std::int32_t v : {0, 0, 1000, 500}) emf.i32(v);    // frame, 0.01 mm
    emf.u32(0x464D4520);                                    // " EMF"
    emf.u32(0x10000);                                       // version
    emf.u32(headerSize + rectangleSize + eofSize);          // bytes
    emf.u32(3);                                             // records
    emf.u32(0);                                             // handles (16 bits) and reserved
    emf.u32(0);                                             // description length
    emf.u32(0);                                             // description offset
    emf.u32(0);                                             // palette entries
    for (std::int32_t v : {1000, 1000, 100, 100}) emf.i32(v);  // device pixels and millimetres
    for (std::int32_t v : {0, 0, 0}) emf.i32(v);               // pixel format, OpenGL
    for (std::int32_t v : {100000, 100000}) emf.i32(v);        // micrometres
    emf.u32(43);  // EMR_RECTANGLE
    emf.u32(rectangleSize);
    for (std::int32_t v : {5, 5, 95, 45}) emf.i32(v);
    emf.u32(14);  // EMR_EOF
    emf.u32(eofSize);
    for (std::int32_t v : {0, 16, 20}) emf.i32(v);
    return emf.bytes();
}

// An Aldus placeable WMF header: 2 × 1 inches at 1440 units per inch.
inline QByteArray placeableWmfHeader() {
    QByteArray bytes(22, '\0');
    const std::uint32_t key = 0x9AC6CDD7;
    std::memcpy(bytes.data(), &key, 4);
    const std::int16_t box[] = {0, 0, 2880, 1440, 1440};
    std::memcpy(bytes.data() + 6, box, sizeof box);
    return bytes;
}

}  // namespace ky::test
