#include "engine/render/render_test_support.h"
#include "report/engine/render/element_renderers.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

// At 10 points an ASCII character is 100 twips wide and a line 240 high. A
// box 1030 wide leaves 1000 usable, ten characters a line.
TextBoxDraw spaced(QString text, QRectF box = QRectF(0, 0, 1030, 1000)) {
    TextBoxDraw draw;
    draw.box = box;
    draw.font.size = 10;
    draw.value = std::move(text);
    draw.hangJu = 1;  // 56.7 twips
    return draw;
}

struct Printed {
    QString text;
    QPointF at;
};

std::vector<Printed> printed(const RecordingFixture& fixture) {
    std::vector<Printed> found;
    for (const DrawOp& op : fixture.ops(DrawOp::Kind::PrintText)) found.push_back({op.text, op.from});
    return found;
}

struct BreakCase {
    const char* name;
    int alignment;
    int vAlignment;
    double lastX;
    double top;
};

class SpacedBreakTest : public testing::TestWithParam<BreakCase> {};

// 25 characters are 2500 twips: three lines at a pitch of 240 + 56.7.
TEST_P(SpacedBreakTest, OnlyTheLastLineFollowsTheAlignment) {
    const BreakCase& c = GetParam();
    RecordingFixture fixture;
    TextBoxDraw draw = spaced(u"abcdefghijklmnopqrstuvwxy"_qs);
    draw.alignment = c.alignment;
    draw.vAlignment = c.vAlignment;
    DrawSpacedText(fixture.surface, draw);

    const auto lines = printed(fixture);
    ASSERT_EQ(lines.size(), 3u);
    const double pitch = 296.7;
    EXPECT_EQ(lines[0].text, u"abcdefghij"_qs);
    EXPECT_EQ(lines[0].at, QPointF(0, c.top));
    EXPECT_EQ(lines[1].text, u"klmnopqrst"_qs);
    EXPECT_EQ(lines[1].at, QPointF(0, c.top + pitch));
    EXPECT_EQ(lines[2].text, u"uvwxy"_qs);
    EXPECT_EQ(lines[2].at, QPointF(c.lastX, c.top + 2 * pitch));
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, SpacedBreakTest,
    testing::Values(BreakCase{"left_top", 0, 0, 0, 0}, BreakCase{"right", 1, 0, 500, 0},
                    // The block of three pitches is centred: (1000 − 890.1) / 2.
                    BreakCase{"centred", 2, 2, 250, 54.95},
                    // Bottom alignment places like top in this renderer.
                    BreakCase{"bottom_is_top", 0, 1, 0, 0}),
    [](const testing::TestParamInfo<BreakCase>& param) { return std::string(param.param.name); });

struct OneLineCase {
    const char* name;
    int alignment;
    int vAlignment;
    QPointF expected;
};

class SpacedOneLineTest : public testing::TestWithParam<OneLineCase> {};

// "abcd" is 400 × 240 in the 1030 × 1000 box.
TEST_P(SpacedOneLineTest, PlacesATextThatFitsWithinTheUsableWidth) {
    const OneLineCase& c = GetParam();
    RecordingFixture fixture;
    TextBoxDraw draw = spaced(u"abcd"_qs);
    draw.alignment = c.alignment;
    draw.vAlignment = c.vAlignment;
    DrawSpacedText(fixture.surface, draw);
    const auto lines = printed(fixture);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].at, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Alignments, SpacedOneLineTest,
                         testing::Values(OneLineCase{"left", 0, 0, QPointF(0, 0)},
                                         OneLineCase{"right", 1, 0, QPointF(600, 0)},
                                         OneLineCase{"centred", 2, 2, QPointF(300, 380)},
                                         OneLineCase{"bottom_is_top", 1, 1, QPointF(600, 0)}),
                         [](const testing::TestParamInfo<OneLineCase>& param) { return std::string(param.param.name); });

TEST(DrawSpacedText, PrintsInTheElementsFontAndColour) {
    RecordingFixture fixture;
    TextBoxDraw draw = spaced(u"abcd"_qs);
    draw.font.name = u"黑体"_qs;
    draw.font.bold = true;
    draw.foreColor = 0x00FF00;
    DrawSpacedText(fixture.surface, draw);
    const auto ops = fixture.ops(DrawOp::Kind::PrintText);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].font, draw.font);
    EXPECT_EQ(ops[0].color, 0x00FF00);
}

TEST(DrawSpacedText, AutoSizePrintsOneLineAtTheEstimatedSize) {
    // min((1030 / 4 − 5.1139447) / 9.9978296, (500 − 0.4086773) / 19.9981681) = 24.98…, doubled by the zoom.
    RecordingFixture fixture;
    TextBoxDraw draw = spaced(u"abcd"_qs, QRectF(0, 0, 1030, 500));
    draw.autoSize = true;
    draw.zoom = 200;
    DrawSpacedText(fixture.surface, draw);
    const auto ops = fixture.ops(DrawOp::Kind::PrintText);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_NEAR(ops[0].font.size, 2 * (500 - 0.4086773) / 19.9981681, 1e-9);
}

TEST(DrawSpacedText, ABoxNoWiderThanItsMarginPrintsOneLine) {
    // The usable width is below one twip: no line count is divided out of it.
    RecordingFixture fixture;
    DrawSpacedText(fixture.surface, spaced(u"abcdef"_qs, QRectF(0, 0, 30, 500)));
    EXPECT_EQ(printed(fixture).size(), 1u);
}

TEST(DrawSpacedText, ACharacterWiderThanTheLineStillMovesOn) {
    // "中" is 200 wide in a 150-wide line: one character per line, never none.
    RecordingFixture fixture;
    DrawSpacedText(fixture.surface, spaced(u"中中中"_qs, QRectF(0, 0, 180, 2000)));
    const auto lines = printed(fixture);
    ASSERT_EQ(lines.size(), 3u);
    for (const Printed& line : lines) EXPECT_EQ(line.text, u"中"_qs);
}

TEST(DrawSpacedText, AnOpaqueBoxIsFilledFirst) {
    RecordingFixture fixture;
    TextBoxDraw draw = spaced(u"abcd"_qs);
    draw.backTrans = false;
    DrawSpacedText(fixture.surface, draw);
    const auto ops = fixture.ops();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::Fill);
    EXPECT_EQ(ops[0].rect, QRectF(0, 0, 1000, 970));
}

}  // namespace
}  // namespace ky
