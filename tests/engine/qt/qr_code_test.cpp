// QR codes decode (zbarimg, where installed), fill the square with whole
// pixels per module, and carry the icon in the middle.

#include "engine/qt/picture_fixtures.h"
#include "engine/qt/qt_surface_fixture.h"
#include "report/engine/qt/qr_code.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ky {
namespace {

using test::PictureFixture;

// Pixel coordinates of a logical square on the fixture's page.
QRect pixelsOf(const QRectF& twips) { return QRectF(twips.topLeft() / 15, twips.size() / 15).toAlignedRect(); }

TEST(QrCode, DecodesToItsText) {
    const QString text = u"XCG20261210001 李明"_qs;
    PictureFixture page;
    page.surface.drawQrCode(text, {1500, 1500, 3000, 3000}, {}, 20);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"qr.png"_qs);
    ASSERT_TRUE(page.surface.image().save(path));
    QProcess zbar;
    zbar.start(u"zbarimg"_qs, {u"--quiet"_qs, u"--raw"_qs, path});
    if (!zbar.waitForStarted(10000)) GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
    ASSERT_TRUE(zbar.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), text);
}

TEST(QrCode, ModulesAreWholePixelsFillingTheSquare) {
    const QString text = u"https://example.org/report/42"_qs;
    const QrMatrix matrix = encodeQr(text);
    ASSERT_GT(matrix.size, 20);
    PictureFixture page;
    const QRectF square(1500, 1500, 3000, 3000);  // 200 pixels a side
    page.surface.drawQrCode(text, square, {}, 20);
    const QImage image = page.surface.image();
    const QRect pixels = pixelsOf(square);
    const int modules = matrix.size + 2 * kQrQuietModules;
    const int module = pixels.width() / modules;
    const int side = module * modules;
    // Centred: what the whole modules leave over is split on both sides.
    const QPoint origin(pixels.left() + (pixels.width() - side) / 2, pixels.top() + (pixels.height() - side) / 2);
    for (int y = 0; y < matrix.size; ++y)
        for (int x = 0; x < matrix.size; ++x) {
            const QRgb expected = matrix.at(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            const int px = origin.x() + (x + kQrQuietModules) * module, py = origin.y() + (y + kQrQuietModules) * module;
            ASSERT_EQ(image.pixel(px, py), expected) << x << "," << y;
            ASSERT_EQ(image.pixel(px + module - 1, py + module - 1), expected) << x << "," << y;
        }
    EXPECT_GT(side, pixels.width() - modules);
}

TEST(QrCode, IconCoversItsShareOfTheSide) {
    PictureFixture page;
    const QRectF square(1500, 1500, 3000, 3000);
    page.surface.drawQrCode(u"icon in the middle"_qs, square, test::rasterFile("PNG"), 20);
    const QImage image = page.surface.image();
    const QPoint centre = pixelsOf(square).center();
    EXPECT_EQ(image.pixel(centre), qRgb(255, 0, 0));
    // 20 % of 200 pixels: the icon ends about 20 pixels from the centre.
    EXPECT_EQ(image.pixel(centre + QPoint(17, 0)), qRgb(255, 0, 0));
    EXPECT_NE(image.pixel(centre + QPoint(24, 0)), qRgb(255, 0, 0));
}

TEST(QrCode, NothingToEncodeDrawsNothing) {
    PictureFixture page;
    page.surface.drawQrCode(QString(), {1500, 1500, 3000, 3000}, {}, 20);
    EXPECT_EQ(page.inkIn({1500, 1500, 3000, 3000}), 0);
}

}  // namespace
}  // namespace ky
