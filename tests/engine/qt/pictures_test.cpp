// Picture files load through Qt (raster), libemf2svg (EMF) or our WMF
// reader; anything else gives no picture and no crash; natural sizes come
// from headers.

#include "report/engine/qt/pictures/picture_loader.h"
#include "report/engine/qt/qt_picture_size.h"
#include "engine/qt/picture_fixtures.h"
#include "engine/qt/wmf_fixtures.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

struct LoadCase {
    const char* name;
    QByteArray bytes;
    QSize pixels;  // empty: no picture
};

std::vector<LoadCase> loadCases() {
    QByteArray emfWithBrokenRecord = test::smallEmf();
    emfWithBrokenRecord[108 + 4] = '\x7F';  // the rectangle claims more bytes than there are
    test::WmfBuilder wmf;
    wmf.fillWith(U_RGB(255, 0, 0)).rectangle(10, 10, 50, 50);
    return {
        {"bmp", test::rasterFile("BMP"), {40, 20}},
        {"png", test::rasterFile("PNG"), {40, 20}},
        {"jpeg", test::rasterFile("JPG"), {40, 20}},
        {"gif", test::smallGif(), {1, 1}},
        // 10 mm × 5 mm at 96 pixels per inch.
        {"emf", test::smallEmf(), {38, 19}},
        // 2 × 1 inches at 96 pixels per inch.
        {"wmf", wmf.bytes(), {192, 96}},
        {"wmf without its metafile header", test::placeableWmfHeader(), {}},
        {"empty", QByteArray(), {}},
        {"text", QByteArray("not a picture at all"), {}},
        {"truncated png", test::rasterFile("PNG").left(30), {}},
        {"emf with a record past the end", emfWithBrokenRecord, {}},
        {"emf header alone", test::smallEmf().left(108), {}},
    };
}

TEST(Pictures, LoadEachFormatAndRefuseTheRest) {
    for (const LoadCase& c : loadCases()) {
        SCOPED_TRACE(c.name);
        const QImage image = loadPicture(c.bytes);
        EXPECT_EQ(image.isNull(), c.pixels.isEmpty());
        if (!c.pixels.isEmpty()) {
            EXPECT_EQ(image.size(), c.pixels);
        }
    }
}

TEST(Pictures, EmfDrawsItsRecords) {
    const QImage image = loadPicture(test::smallEmf());
    ASSERT_FALSE(image.isNull());
    // The rectangle's outline runs along the top edge, inset by a twentieth.
    int dark = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height() / 4; ++y) dark += qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, image.width() / 2);
}

TEST(Pictures, NaturalSizesInTwips) {
    EXPECT_EQ(naturalPictureSize(test::rasterFile("PNG")), QSizeF(600, 300));  // 15 twips a pixel
    const auto emf = naturalPictureSize(test::smallEmf());
    ASSERT_TRUE(emf);
    EXPECT_NEAR(emf->width(), 566.9, 0.1);  // 10 mm
    EXPECT_NEAR(emf->height(), 283.5, 0.1);
    EXPECT_EQ(naturalPictureSize(test::placeableWmfHeader()), QSizeF(2880, 1440));
    EXPECT_EQ(naturalPictureSize(QByteArray("garbage")), std::nullopt);
}

}  // namespace
}  // namespace ky
