// The EMF surface's pages, as libemf2svg reads them.

#include "engine/emf/emf_reader.h"
#include "report/engine/emf/emf_surface.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace ky::test {
namespace {

std::optional<QImage> decodeWithQt(const QByteArray& bytes) {
    QImage image;
    if (!image.loadFromData(bytes)) return std::nullopt;
    return image;
}

QByteArray pngOf(QSize size, QColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class EmfSurfaceTest : public ::testing::Test {
protected:
    std::unique_ptr<EmfSurface> surface(EmfSurfaceOptions options = {}, EmfSurface::QrModules qr = {}) {
        auto made = std::make_unique<EmfSurface>(
            metrics_, options, [this](int page) { return dir_.filePath(u"page_%1.emf"_s.arg(page)); }, decodeWithQt,
            std::move(qr));
        made->setScale(11906, 16838);  // A4 in twips
        return made;
    }
    QString svgOfPage(int page) {
        const auto svg = emfToSvg(dir_.filePath(u"page_%1.emf"_s.arg(page)));
        EXPECT_TRUE(svg) << "libemf2svg refused page " << page;
        return svg.value_or(QString());
    }

    FixedTextMetrics metrics_;
    QTemporaryDir dir_;
};

TEST_F(EmfSurfaceTest, PageShowsTextsLinesFillsAndPictures) {
    auto s = surface();
    s->openPage(1);
    s->drawText(QRectF(1440, 1440, 4000, 600), u"Invoice 42"_s, {}, {}, 0x0000ff);
    s->drawText(QRectF(1440, 2880, 4000, 600), u"检验报告"_s, SurfaceFont{u"宋体"_s, 12}, {TextAlignment::Center, {}}, 0);
    s->drawLine(QPointF(1440, 4320), QPointF(7200, 4320), 0, 3);
    s->fillRect(QRectF(1440, 5000, 1440, 720), 0x00ff00);
    s->drawPicture(pngOf({20, 10}, Qt::red), QRectF(1440, 6000, 2000, 1000));
    s->newPage();
    s->endDoc();

    ASSERT_EQ(s->writtenFiles(), QStringList{dir_.filePath(u"page_1.emf"_s)});
    EXPECT_TRUE(s->error().isEmpty()) << s->error().toStdString();
    const QString svg = svgOfPage(1);
    EXPECT_TRUE(svg.contains(u"Invoice 42"_s)) << svg.toStdString();
    EXPECT_TRUE(svg.contains(u"检验报告"_s));
    EXPECT_TRUE(svg.contains(u"<svg:path d=\"M 600.0000,1800.0000 L 3000.0000,1800.0000"_s));
    EXPECT_TRUE(svg.contains(u"<svg:rect x=\"600.0000\" y=\"2083.0000\" width=\"600.0000\" height=\"300.0000\""_s));
    EXPECT_TRUE(svg.contains(u"<image"_s)) << svg.toStdString();
}

TEST_F(EmfSurfaceTest, HeaderFramesThePageInHundredthsOfAMillimetre) {
    auto s = surface();
    s->openPage(1);
    s->newPage();
    const EmfHeader header = emfHeader(fileBytes(dir_.filePath(u"page_1.emf"_s)));
    EXPECT_EQ(header.type, 1);
    EXPECT_EQ(header.signature, 0x464D4520);  // " EMF"
    // 11906 × 16838 twips is 210 × 297 mm, 4961 × 7016 pixels at 600 dpi.
    EXPECT_EQ(header.boundsRight, 4961 - 1);
    EXPECT_EQ(header.boundsBottom, 7016 - 1);
    EXPECT_NEAR(header.frameRight, 21000, 2);
    EXPECT_NEAR(header.frameBottom, 29700, 2);
}

TEST_F(EmfSurfaceTest, WrappedTextIsOneRecordPerLine) {
    auto s = surface();
    s->openPage(1);
    // 10-point fixed metrics: each letter 100 twips, so "aaaa bbbb" breaks after the first word in 600 twips.
    s->drawText(QRectF(0, 0, 600, 1000), u"aaaa bbbb"_s, SurfaceFont{u"Arial"_s, 10}, {}, 0);
    s->newPage();
    const QString svg = svgOfPage(1);
    EXPECT_TRUE(svg.contains(u"[aaaa]"_s)) << svg.toStdString();
    EXPECT_TRUE(svg.contains(u"[bbbb]"_s));
}

TEST_F(EmfSurfaceTest, EveryPageGetsItsOwnFileInJobOrder) {
    auto s = surface();
    for (const int physical : {3, 4, 7}) {  // a page range: the job still counts 1, 2, 3
        s->openPage(physical);
        s->printText(QPointF(100, 100), u"page %1"_s.arg(physical), 0);
        s->newPage();
    }
    s->endDoc();
    ASSERT_EQ(s->writtenFiles().size(), 3);
    for (int page = 1; page <= 3; ++page) EXPECT_TRUE(svgOfPage(page).contains(u"page "_s));
    EXPECT_TRUE(QDir(dir_.path()).entryList({u"*.part"_s}).isEmpty());
}

TEST_F(EmfSurfaceTest, UnwritableFolderIsReportedAndLeavesNoFile) {
    EmfSurface s(metrics_, {}, [](int) { return u"/nonexistent-folder/p.emf"_s; }, decodeWithQt);
    s.openPage(1);
    s.drawLine(QPointF(0, 0), QPointF(100, 100), 0, 1);
    s.endDoc();
    EXPECT_TRUE(s.writtenFiles().isEmpty());
    EXPECT_FALSE(s.error().isEmpty());
}

TEST_F(EmfSurfaceTest, StrayCoordinatesStillGiveAReadablePage) {
    const double nan = std::numeric_limits<double>::quiet_NaN(), far = 1e300;
    auto s = surface();
    s->openPage(1);
    s->drawLine(QPointF(nan, 0), QPointF(far, -far), 0, 1 << 30);
    s->fillRect(QRectF(-far, -far, far, far), 0);
    s->drawText(QRectF(far, nan, far, 100), u"x"_s, SurfaceFont{u"Arial"_s, 1e6}, {}, 0);
    s->drawPicture(pngOf({4, 4}, Qt::blue), QRectF(0, 0, far, far));
    s->newPage();
    EXPECT_TRUE(s->error().isEmpty()) << s->error().toStdString();
    svgOfPage(1);
}

TEST_F(EmfSurfaceTest, BytesThatAreNoPictureDrawNothing) {
    auto s = surface();
    s->openPage(1);
    s->drawPicture(QByteArray("not a picture"), QRectF(0, 0, 1000, 1000));
    s->drawPicture({}, QRectF(0, 0, 1000, 1000));
    s->newPage();
    EXPECT_FALSE(svgOfPage(1).contains(u"<image"_s));
}

TEST_F(EmfSurfaceTest, QrCodeModulesBecomeFilledRectangles) {
    const auto checker = [](const QString&) {
        return std::vector<std::vector<bool>>{{true, false, true}, {false, true, false}, {true, true, true}};
    };
    auto s = surface({}, checker);
    s->openPage(1);
    s->drawQrCode(u"x"_s, QRectF(0, 0, 1440, 1440), {}, 0);
    s->newPage();
    // Four runs of dark modules: two in the first row, one in each of the others.
    EXPECT_EQ(svgOfPage(1).count(u"<svg:rect"_s), 4);
}

struct ColorCase {
    const char* name;
    EmfSurfaceOptions options;
    int bitsPerPixel;
    QString fill;  // as libemf2svg writes the fill colour
};

class EmfColorTest : public EmfSurfaceTest, public ::testing::WithParamInterface<ColorCase> {};

TEST_P(EmfColorTest, ColourSettingsReachFillsAndPictures) {
    auto s = surface(GetParam().options);
    s->openPage(1);
    s->fillRect(QRectF(0, 0, 1440, 1440), 0x0000ff);  // pure red
    s->drawPicture(pngOf({8, 8}, Qt::red), QRectF(0, 2000, 1440, 1440));
    s->newPage();
    const QString svg = svgOfPage(1);
    EXPECT_TRUE(svg.contains(GetParam().fill)) << svg.toStdString();
    // The bit count follows the bitmap header's size (40), width (8), height (8) and planes (1).
    const QByteArray bytes = fileBytes(dir_.filePath(u"page_1.emf"_s));
    const QByteArray info = QByteArray::fromHex("2800000008000000080000000100");
    const qsizetype at = bytes.indexOf(info);
    ASSERT_GE(at, 0);
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(at + info.size())), GetParam().bitsPerPixel);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, EmfColorTest,
    ::testing::Values(ColorCase{"colour", {}, 24, u"#FF0000"_s},
                      // Red weighs 0.299: gray level 76 (0x4C).
                      ColorCase{"grayscale", {QSize(600, 600), {true, 24}}, 8, u"#4C4C4C"_s},
                      ColorCase{"gray_levels", {QSize(600, 600), {false, 8}}, 8, u"#FF0000"_s},
                      ColorCase{"black_and_white", {QSize(600, 600), {false, 1}}, 1, u"#FF0000"_s}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace ky::test
