// The picture surface puts ink where the engine drew, in the right colour,
// at any resolution, and draws the Chinese faces with real glyphs.

#include "engine/qt/qt_surface_fixture.h"
#include "engine/qt/wmf_fixtures.h"

#include <QFontInfo>

#include <memory>

#include <gtest/gtest.h>

namespace ky {
namespace {

using test::PictureFixture;

TEST(PictureSurface, PageSizeFollowsTheResolution) {
    PictureFixture normal, doubled(2.0);
    EXPECT_EQ(normal.surface.image().size(), QSize(794, 1123));
    EXPECT_EQ(doubled.surface.image().size(), QSize(1587, 2245));
    // The engine sees a screen at 100 % either way: pens keep their proportions.
    EXPECT_DOUBLE_EQ(doubled.surface.twipsPerPixelX(), 15);
}

QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// At the engine's zoom the picture grows and font sizes arrive multiplied by
// it; on the page (logical twips) the text keeps its size.
TEST(PictureSurface, ZoomedFontsKeepTheirSizeOnThePage) {
    const QtTextMetrics metrics;
    PictureSurface zoomed(metrics);
    zoomed.setPictureSize(2 * PictureFixture::kPageWidth, 2 * PictureFixture::kPageHeight);
    zoomed.setScale(PictureFixture::kPageWidth, PictureFixture::kPageHeight);
    zoomed.clear();
    const SurfaceFont atZoom{.name = u"宋体"_qs, .size = 24}, unzoomed{.name = u"宋体"_qs, .size = 12};
    const QRectF rect(1000, 1000, 5000, 2000);
    PictureFixture normal;
    EXPECT_DOUBLE_EQ(zoomed.measureText(rect, u"宋体文字"_qs, atZoom, {}).width(),
                     normal.surface.measureText(rect, u"宋体文字"_qs, unzoomed, {}).width());
    zoomed.drawText(rect, u"宋体文字"_qs, atZoom, {}, 0);
    normal.surface.drawText(rect, u"宋体文字"_qs, unzoomed, {}, 0);
    const QImage big = zoomed.image(), small = normal.surface.image();
    ASSERT_EQ(big.size(), QSize(1587, 2245));
    // The same glyphs at twice the pixels: the ink's bounds, halved, match.
    const QRect bigInk = inkBounds(big), smallInk = inkBounds(small);
    ASSERT_FALSE(smallInk.isEmpty());
    EXPECT_NEAR(bigInk.left() / 2.0, smallInk.left(), 2);
    EXPECT_NEAR(bigInk.right() / 2.0, smallInk.right(), 2);
    EXPECT_NEAR(bigInk.top() / 2.0, smallInk.top(), 2);
    EXPECT_NEAR(bigInk.bottom() / 2.0, smallInk.bottom(), 2);
}

// A host may drop the surface in the middle of a page (a run that ends
// without asking for the picture): the painter lets go of it first.
TEST(PictureSurface, CanBeDroppedWhileAPageIsDrawn) {
    auto page = std::make_unique<PictureFixture>();
    page->surface.drawLine({1000, 2000}, {5000, 2000}, 0, 1);
    page.reset();
}

TEST(PictureSurface, LinesAndFillsLandWhereDrawn) {
    PictureFixture page;
    page.surface.drawLine({1000, 2000}, {5000, 2000}, 0, 1);
    page.surface.fillRect({6000, 6000, 1500, 1500}, 0x0000FF);  // 0x00BBGGRR: red
    EXPECT_GT(page.inkIn({1000, 1950, 4000, 100}), 200);
    EXPECT_EQ(page.inkIn({1000, 2100, 4000, 400}), 0);
    const QImage image = page.surface.image();
    EXPECT_EQ(image.pixel(450, 450), qRgb(255, 0, 0));
    EXPECT_EQ(page.inkIn({6000, 7600, 1500, 500}), 0);
}

// A WMF is drawn as vectors stretched over its target: a rectangle over the
// left half of its box covers the left half of the target.
TEST(PictureSurface, WmfPictureFillsItsTarget) {
    test::WmfBuilder wmf;
    wmf.select(wmf.pen(U_RGB(0, 0, 0), 1, U_PS_NULL));
    wmf.fillWith(U_RGB(255, 0, 0)).rectangle(0, 0, 96, 96);
    PictureFixture page;
    const QRectF target(1500, 3000, 6000, 1500);  // pixels (100, 200) to (500, 300)
    page.surface.drawPicture(wmf.bytes(), target);
    const QImage image = page.surface.image();
    EXPECT_EQ(image.pixel(110, 210), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(290, 290), qRgb(255, 0, 0));
    EXPECT_EQ(page.inkIn({4600, 3000, 2900, 1500}), 0);  // the right half
    EXPECT_EQ(page.inkIn({1500, 4600, 6000, 1000}), 0);  // below
}

TEST(PictureSurface, ChineseFacesMapToNotoCjk) {
    struct Case {
        const char16_t* face;
        const char* family;
    };
    for (const Case& c : {Case{u"宋体", "Noto Serif CJK SC"}, Case{u"SimSun", "Noto Serif CJK SC"},
                          Case{u"仿宋", "Noto Serif CJK SC"}, Case{u"黑体", "Noto Sans CJK SC"},
                          Case{u"Microsoft YaHei", "Noto Sans CJK SC"}}) {
        const QString face = QString::fromUtf16(c.face);
        SCOPED_TRACE(face.toStdString());
        EXPECT_EQ(QFontInfo(referenceFont({.name = face})).family(), QString::fromLatin1(c.family));
    }
}

// A missing glyph draws the same box for every character: two different
// characters that draw different ink are real glyphs.
TEST(PictureSurface, CjkTextDrawsRealGlyphs) {
    const QRectF box(1000, 1000, 2000, 600);
    const SurfaceFont font{.name = u"宋体"_qs, .size = 24};
    auto glyph = [&](const QString& text) {
        PictureFixture page;
        page.surface.drawText(box, text, font, {}, 0);
        return page.surface.image().copy(QRect(60, 60, 150, 50));
    };
    const QImage song = glyph(u"宋"_qs), hei = glyph(u"黑"_qs);
    PictureFixture blank;
    EXPECT_NE(song, blank.surface.image().copy(QRect(60, 60, 150, 50)));
    EXPECT_NE(song, hei);
}

// Lines of a wrapped text are placed one line height apart, each aligned in
// the rectangle as the measurement said.
TEST(PictureSurface, TextLinesLandWhereMeasured) {
    struct Case {
        const char* name;
        TextAlignment alignment;
    };
    const SurfaceFont font{.name = u"宋体"_qs, .size = 12};
    for (const Case& c : {Case{"left", TextAlignment::Left}, Case{"right", TextAlignment::Right},
                          Case{"centre", TextAlignment::Center}}) {
        SCOPED_TRACE(c.name);
        PictureFixture page;
        const QRectF rect(1500, 3000, 3000, 2000);
        const QString text = u"宋体文字\n短"_qs;
        const QRectF measured = page.surface.measureText(rect, text, font, {c.alignment, {}});
        page.surface.drawText(rect, text, font, {c.alignment, {}}, 0);
        const double lineHeight = page.metrics.lineHeight(font);
        const double shortWidth = page.metrics.width(u"短", font);
        double shortLeft = rect.left();
        if (c.alignment == TextAlignment::Right) shortLeft = rect.right() - shortWidth;
        if (c.alignment == TextAlignment::Center) shortLeft = rect.left() + (rect.width() - shortWidth) / 2;
        EXPECT_DOUBLE_EQ(measured.height(), 2 * lineHeight);
        EXPECT_GT(page.inkIn({shortLeft, rect.top() + lineHeight, shortWidth, lineHeight}), 20);
        // Nothing beside the short line, nothing below the text.
        EXPECT_EQ(page.inkIn({rect.left(), rect.top() + lineHeight, shortLeft - rect.left() - 30, lineHeight}), 0);
        EXPECT_EQ(page.inkIn({rect.left(), rect.top() + 2 * lineHeight + 30, rect.width(), 1000}), 0);
    }
}

TEST(PictureSurface, PrintedTextUsesTheSurfaceFont) {
    PictureFixture page;
    page.surface.setFont({.name = u"黑体"_qs, .size = 20, .bold = true, .underline = true});
    page.surface.printText({2000, 2000}, u"标题"_qs, 0x00FF00);
    const double width = page.surface.textWidth(u"标题"), height = page.surface.textHeight(u"标题");
    EXPECT_GT(page.inkIn({2000, 2000, width, height}), 200);
    EXPECT_EQ(page.inkIn({2000 + width + 60, 2000, 1000, height}), 0);
    const QImage image = page.surface.image();
    bool green = false;
    for (int x = 133; x < 133 + 50 && !green; ++x)
        for (int y = 133; y < 133 + 30 && !green; ++y) green = image.pixel(x, y) == qRgb(0, 255, 0);
    EXPECT_TRUE(green);
}

}  // namespace
}  // namespace ky
