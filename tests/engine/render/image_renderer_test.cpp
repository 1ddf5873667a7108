#include "engine/render/render_test_support.h"
#include "report/engine/render/element_renderers.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

// Bytes starting with "PIC" are a picture of 600 × 300 twips; anything else is none.
std::optional<QSizeF> sizeOf(const QByteArray& bytes) {
    if (bytes.startsWith("PIC")) return QSizeF(600, 300);
    if (bytes.startsWith("EMPTY")) return QSizeF(0, 0);
    return std::nullopt;
}

const QByteArray kPicture = QByteArrayLiteral("PIC-bytes");

class ImageTest : public testing::Test {
protected:
    RecordingFixture fixture{RecordingSurface::Mode::Picture, sizeOf};
};

struct ImageCase {
    const char* name;
    bool autoSize;
    int zoom;
    QRectF expected;
};

class ImageSizeTest : public testing::TestWithParam<ImageCase> {};

TEST_P(ImageSizeTest, PaintsThePictureAtItsSizeOrTheElements) {
    const ImageCase& c = GetParam();
    RecordingFixture fixture(RecordingSurface::Mode::Picture, sizeOf);
    DrawImage(fixture.surface, {.box = QRectF(100, 200, 2000, 1000), .picture = kPicture, .autoSize = c.autoSize, .zoom = c.zoom});
    const auto pictures = fixture.ops(DrawOp::Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect, c.expected);
    EXPECT_EQ(pictures[0].byteCount, kPicture.size());
}

INSTANTIATE_TEST_SUITE_P(Sizes, ImageSizeTest,
                         testing::Values(ImageCase{"stretched", true, 150, QRectF(100, 200, 2000, 1000)},
                                         ImageCase{"natural", false, 100, QRectF(100, 200, 600, 300)},
                                         ImageCase{"natural_zoomed", false, 150, QRectF(100, 200, 900, 450)}),
                         [](const testing::TestParamInfo<ImageCase>& param) { return std::string(param.param.name); });

TEST_F(ImageTest, BytesThatAreNoPictureDrawNothing) {
    for (const QByteArray& bytes : {QByteArray("not a picture"), QByteArray(), QByteArray("EMPTY")}) {
        for (bool autoSize : {false, true}) DrawImage(fixture.surface, {.box = QRectF(0, 0, 500, 500), .picture = bytes, .autoSize = autoSize});
        DrawBackground(fixture.surface, bytes, QPointF(0, 0));
    }
    EXPECT_TRUE(fixture.ops().empty());
}

TEST_F(ImageTest, TheBackgroundIsPaintedAtItsNaturalSizeFromItsCorner) {
    DrawBackground(fixture.surface, kPicture, QPointF(567, 1134));
    const auto pictures = fixture.ops(DrawOp::Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect, QRectF(567, 1134, 600, 300));
}

}  // namespace
}  // namespace ky
