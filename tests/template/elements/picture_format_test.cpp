#include "report/template/elements/picture_format.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

namespace ky {
namespace {

// Little-endian bytes for building headers field by field.
QByteArray le16(std::uint32_t v) {
    const char bytes[] = {char(v & 0xFF), char(v >> 8 & 0xFF)};
    return QByteArray(bytes, 2);
}
QByteArray le32(std::uint32_t v) { return le16(v & 0xFFFF) + le16(v >> 16); }
QByteArray zeros(qsizetype n) { return QByteArray(n, '\0'); }

// A whole 1 × 1 24-bit bitmap: file header, 40-byte info header, one padded pixel row.
QByteArray bmp(std::uint32_t infoSize = 40) {
    QByteArray info = le32(infoSize) + le32(1) + le32(1) + le16(1) + le16(24) + zeros(24);
    info.resize(qMax<qsizetype>(infoSize, 4));
    const QByteArray pixels("\x00\x00\xFF\x00", 4);
    return "BM" + le32(14 + info.size() + 4) + le32(0) + le32(14 + info.size()) + info + pixels;
}

// A bitmap with the 12-byte core header of the oldest writers.
QByteArray coreBmp() {
    return "BM" + le32(30) + le32(0) + le32(26) + le32(12) + le16(1) + le16(1) + le16(1) + le16(24) + zeros(4);
}

// Start of image, a JFIF APP0 segment, end of image.
QByteArray jpeg() {
    return QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00\xFF\xD9", 22);
}

// Signature, a 1 × 1 logical screen without a colour table, trailer.
QByteArray gif(const char* version = "GIF89a") {
    return version + le16(1) + le16(1) + QByteArray("\x00\x00\x00", 3) + ";";
}

// An EMR_HEADER record (88 bytes unless `recordSize` says more) and an EMR_EOF record.
QByteArray emf(std::uint32_t recordSize = 88, std::uint32_t signature = 0x464D4520, std::uint32_t type = 1) {
    QByteArray header = le32(type) + le32(recordSize) + zeros(32) + le32(signature) + le32(0x10000) + zeros(40);
    header.resize(qMax<qsizetype>(recordSize, 88));
    return header + le32(14) + le32(20) + zeros(12);
}

// META_HEADER then the META_EOF record.
QByteArray wmf(std::uint32_t type = 1, std::uint32_t headerWords = 9, std::uint32_t version = 0x0300) {
    return le16(type) + le16(headerWords) + le16(version) + le32(12) + le16(0) + le32(3) + le16(0) + le32(3) + le16(0);
}

QByteArray placeableWmf(const QByteArray& metafile = wmf()) {
    return le32(0x9AC6CDD7) + le16(0) + le16(0) + le16(0) + le16(1000) + le16(1000) + le16(1440) + le32(0) + le16(0) +
           metafile;
}

TEST(PictureFormat, TellsTheFiveKindsFromTheirHeaders) {
    struct Row {
        const char* name;
        QByteArray bytes;
        PictureFormat format;
    };
    const Row rows[] = {
        {"bitmap with the usual info header", bmp(), PictureFormat::Bmp},
        {"bitmap with a v5 header", bmp(124), PictureFormat::Bmp},
        {"bitmap with the core header", coreBmp(), PictureFormat::Bmp},
        {"JPEG (JFIF)", jpeg(), PictureFormat::Jpeg},
        {"GIF 89a", gif(), PictureFormat::Gif},
        {"GIF 87a", gif("GIF87a"), PictureFormat::Gif},
        {"EMF", emf(), PictureFormat::Emf},
        // Later writers extend the header record; its size still fits the file.
        {"EMF with an extended header", emf(108), PictureFormat::Emf},
        {"placeable WMF", placeableWmf(), PictureFormat::PlaceableWmf},
        {"WMF on disk", wmf(2), PictureFormat::Wmf},
        {"WMF in memory, version 1", wmf(1, 9, 0x0100), PictureFormat::Wmf},
        // Padding after the picture does not matter.
        {"trailing bytes", gif() + zeros(100), PictureFormat::Gif},
    };
    for (const Row& row : rows) EXPECT_EQ(sniffPictureFormat(row.bytes), row.format) << row.name;
}

TEST(PictureFormat, NearMissesAndCutOffHeadersAreNoPicture) {
    struct Row {
        const char* name;
        QByteArray bytes;
    };
    const Row rows[] = {
        {"nothing", QByteArray()},
        {"a template instead of a picture", "<Report><Pages/></Report>"},
        {"PNG is not one of the kinds", QByteArray("\x89PNG\r\n\x1A\n", 8) + zeros(40)},
        {"bitmap with an unknown info header size", bmp(41)},
        {"bitmap cut off inside the file header", bmp().first(17)},
        // The v5 header needs 124 bytes after the file header.
        {"bitmap cut off inside a v5 header", bmp(124).first(60)},
        {"JPEG without a marker after the start", QByteArray("\xFF\xD8\x00\x00", 4)},
        {"JPEG start alone", QByteArray("\xFF\xD8", 2)},
        {"GIF of an unknown version", gif("GIF88a")},
        {"GIF without its screen descriptor", gif().first(12)},
        {"EMF signature in the wrong byte order", emf(88, 0x20454D46)},
        {"EMF whose first record is not the header", emf(88, 0x464D4520, 2)},
        {"EMF header record shorter than a header", emf(40)},
        {"EMF header record longer than the file", emf(200).first(120)},
        {"EMF cut off before its signature", emf().first(43)},
        {"WMF with a header of 8 words", wmf(1, 8)},
        {"WMF of an unknown type", wmf(3)},
        {"WMF of an unknown version", wmf(1, 9, 0x0200)},
        {"WMF cut off inside its header", wmf().first(17)},
        {"placeable key before garbage", placeableWmf(zeros(18))},
        {"placeable header cut off", placeableWmf().first(30)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(sniffPictureFormat(row.bytes), PictureFormat::None) << row.name;
        EXPECT_FALSE(isPicture(row.bytes)) << row.name;
    }
}

TEST(PictureFormat, EveryShorterPrefixOfAPictureIsReadSafely) {
    // Under the address sanitizer this proves the checks stay inside the bytes.
    for (const QByteArray& picture : {bmp(), coreBmp(), jpeg(), gif(), emf(), placeableWmf(), wmf()}) {
        for (qsizetype n = 0; n <= picture.size(); ++n) {
            const QByteArray prefix = picture.first(n);  // a copy, so the sanitizer sees its exact end
            (void)sniffPictureFormat(prefix);
        }
        EXPECT_TRUE(isPicture(picture));
    }
}

}  // namespace
}  // namespace ky
