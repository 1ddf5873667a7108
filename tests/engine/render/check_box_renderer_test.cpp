#include "engine/render/render_test_support.h"
#include "report/engine/render/element_renderers.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

// A 1000 × 400 check box at (100, 200). The mark font is 宋体 bold at
// zoom / 10 points: "√" and "□" are 200 wide, "√" 240 high at 100 %.
CheckBoxDraw checkBox(bool checked, bool markOnLeft) {
    CheckBoxDraw draw;
    draw.box = QRectF(100, 200, 1000, 400);
    draw.font.size = 10;
    draw.checked = checked;
    draw.markOnLeft = markOnLeft;
    draw.caption = u"阳\r\n性"_qs;
    draw.foreColor = 0x0000FF;
    return draw;
}

struct MarkCase {
    const char* name;
    bool checked;
    bool markOnLeft;
    double columnLeft;
    double captionX;
};

class CheckBoxTest : public testing::TestWithParam<MarkCase> {};

TEST_P(CheckBoxTest, DrawsTheMarkInItsColumnAndTheCaptionBeside) {
    const MarkCase& c = GetParam();
    RecordingFixture fixture;
    DrawCheckBox(fixture.surface, checkBox(c.checked, c.markOnLeft));

    const auto printed = fixture.ops(DrawOp::Kind::PrintText);
    ASSERT_EQ(printed.size(), c.checked ? 2u : 1u);
    if (c.checked) {
        EXPECT_EQ(printed[0].text, u"√"_qs);
        EXPECT_EQ(printed[0].from, QPointF(c.columnLeft + 10, 280));
        EXPECT_EQ(printed[0].font, (SurfaceFont{.name = u"宋体"_qs, .size = 10, .bold = true}));
        EXPECT_EQ(printed[0].color, 0x0000FF);
    }
    // The square: 200 twips, centred in the 220-twip column and on the middle line.
    const auto lines = fixture.ops(DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].from, QPointF(c.columnLeft + 10, 300));
    EXPECT_EQ(lines[1].from, QPointF(c.columnLeft + 210, 300));
    EXPECT_EQ(lines[2].from, QPointF(c.columnLeft + 210, 500));
    EXPECT_EQ(lines[3].from, QPointF(c.columnLeft + 10, 500));
    EXPECT_EQ(lines[3].to, lines[0].from);

    // The caption, line breaks removed, centred vertically in the element's font.
    const DrawOp& caption = printed.back();
    EXPECT_EQ(caption.text, u"阳性"_qs);
    EXPECT_EQ(caption.from, QPointF(c.captionX, 280));
    EXPECT_EQ(caption.font.size, 10);
    EXPECT_FALSE(caption.font.bold);
}

INSTANTIATE_TEST_SUITE_P(Placements, CheckBoxTest,
                         testing::Values(MarkCase{"checked_left", true, true, 100, 320},
                                         MarkCase{"unchecked_left", false, true, 100, 320},
                                         MarkCase{"checked_right", true, false, 880, 100}),
                         [](const testing::TestParamInfo<MarkCase>& param) { return std::string(param.param.name); });

TEST(DrawCheckBox, TheMarkGrowsWithTheZoomAndTheSquaresPenWithThePrinter) {
    RecordingFixture fixture(RecordingSurface::Mode::Printer);
    CheckBoxDraw draw = checkBox(true, true);
    draw.zoom = 150;
    DrawCheckBox(fixture.surface, draw);
    EXPECT_EQ(fixture.ops(DrawOp::Kind::PrintText)[0].font.size, 15);
    EXPECT_EQ(fixture.ops(DrawOp::Kind::Line)[0].penWidth, 6);  // 15 / 2.4 twips per pixel, rounded
}

TEST(DrawCheckBox, AnAutoSizedCaptionTakesTheEstimatedSize) {
    // The caption has 780 × 400 twips beside the column and 4 bytes: the width decides.
    RecordingFixture fixture;
    CheckBoxDraw draw = checkBox(false, true);
    draw.autoSize = true;
    DrawCheckBox(fixture.surface, draw);
    const auto printed = fixture.ops(DrawOp::Kind::PrintText);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_NEAR(printed[0].font.size, (780.0 / 4 - 5.1139447) / 9.9978296, 1e-9);
}

}  // namespace
}  // namespace ky
