#include "engine/render/render_test_support.h"
#include "report/engine/render/element_renderers.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

using Mode = RecordingSurface::Mode;

TextBoxDraw textBox(QRectF box, Value value, double fontSize = 10) {
    TextBoxDraw draw;
    draw.box = box;
    draw.font.size = fontSize;
    draw.value = std::move(value);
    return draw;
}

// "abcd" at 10 points is 400 × 240 twips in a box from (1000, 2000) to (4000, 2600).
struct PlacementCase {
    const char* name;
    int alignment;
    int vAlignment;
    QRectF expected;
};

class TextBoxPlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(TextBoxPlacementTest, PlacesTheMeasuredText) {
    const PlacementCase& c = GetParam();
    RecordingFixture fixture;
    TextBoxDraw draw = textBox(QRectF(1000, 2000, 3000, 600), u"abcd"_qs);
    draw.alignment = c.alignment;
    draw.vAlignment = c.vAlignment;
    DrawTextBox(fixture.surface, draw);

    const auto texts = fixture.ops(DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rect, c.expected);
    EXPECT_EQ(texts[0].text, u"abcd"_qs);
    EXPECT_EQ(static_cast<int>(texts[0].alignment), c.alignment);
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, TextBoxPlacementTest,
    testing::Values(PlacementCase{"top_left", 0, 0, QRectF(1000, 2000, 400, 240)},
                    // Ends exactly at the right edge; sits on the bottom edge.
                    PlacementCase{"right_bottom", 1, 1, QRectF(3600, 2360, 400, 240)},
                    // Shifted by half of (4000 − 1400) and of (2600 − 2240).
                    PlacementCase{"centred", 2, 2, QRectF(2300, 2180, 400, 240)}),
    [](const testing::TestParamInfo<PlacementCase>& param) { return std::string(param.param.name); });

TEST(DrawTextBox, SeveralLinesKeepTheBoxWidthForTheTextCallToAlign) {
    RecordingFixture fixture;
    TextBoxDraw draw = textBox(QRectF(0, 0, 1000, 1000), u"abc\rde"_qs);
    draw.alignment = 2;
    draw.vAlignment = 1;
    DrawTextBox(fixture.surface, draw);
    const auto texts = fixture.ops(DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rect, QRectF(0, 520, 1000, 480));
    EXPECT_EQ(texts[0].alignment, TextAlignment::Center);
}

// "abcdefghij" at 12 points is 1200 twips wide: two lines, too high for the
// 1000 × 300 box. Steps are 2 device pixels of height.
struct ShrinkCase {
    const char* name;
    Mode mode;
    QString text;
    double expectedSize;
};

class TextBoxShrinkTest : public testing::TestWithParam<ShrinkCase> {};

TEST_P(TextBoxShrinkTest, ShrinksInStepsUntilTheTextFits) {
    const ShrinkCase& c = GetParam();
    RecordingFixture fixture(c.mode);
    DrawTextBox(fixture.surface, textBox(QRectF(0, 0, 1000, 300), c.text, 12));
    const auto texts = fixture.ops(DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(texts[0].font.size, c.expectedSize, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TextBoxShrinkTest,
    testing::Values(
        // 15 twips per pixel: 1.5-point steps, 12 -> 10.5 -> 9 (10 would fit, but is no step).
        ShrinkCase{"picture", Mode::Picture, u"abcdefghij"_qs, 9},
        // 2.4 twips per pixel: 0.24-point steps; 10.08 is still 8 twips too wide.
        ShrinkCase{"printer", Mode::Printer, u"abcdefghij"_qs, 9.84},
        ShrinkCase{"fitting_text_keeps_its_size", Mode::Picture, u"abc"_qs, 12}),
    [](const testing::TestParamInfo<ShrinkCase>& param) { return std::string(param.param.name); });

TEST(FitFont, AZeroSizeRectangleReturnsAtOnce) {
    RecordingFixture fixture;
    SurfaceFont font;
    font.size = 12;
    const TextFormat format{TextAlignment::Left, {.wordBreak = true, .editControl = true}};
    EXPECT_EQ(FitFont(fixture.surface, font, QRectF(0, 0, 0, 0), format, u"abc"_qs).size, 12);
    DrawTextBox(fixture.surface, textBox(QRectF(500, 500, 0, 0), u"abc"_qs, 12));
    EXPECT_EQ(fixture.ops(DrawOp::Kind::Text).size(), 1u);
}

TEST(FitFont, StopsAtOneDevicePixel) {
    // A line of "a" is 24 twips per point high, so nothing fits 2 twips; 1.5
    // points measures 36, under 20 times the height, so only the floor ends
    // the shrinking (at 0.30: one more step would give 0.06 < 0.12 points).
    RecordingFixture fixture(Mode::Printer);
    SurfaceFont font;
    font.size = 1.5;
    const TextFormat format{TextAlignment::Left, {.wordBreak = true, .editControl = true}};
    EXPECT_NEAR(FitFont(fixture.surface, font, QRectF(0, 0, 100, 2), format, u"a"_qs).size, 0.30, 1e-9);
}

// Fits are remembered by the box's size, not its place: the cells of a child
// report fit the same text again and again. Every question still gets the
// answer fitting it afresh would give.
TEST(FitFont, AnswersAgainAsItFirstDid) {
    RecordingFixture fixture;
    SurfaceFont font;
    font.size = 12;
    const TextFormat format{TextAlignment::Left, {.wordBreak = true, .editControl = false}};
    const auto fit = [&](QRectF box, const QString& text, const SurfaceFont& asked) {
        return FitFont(fixture.surface, asked, box, format, text).size;
    };
    EXPECT_EQ(fit(QRectF(0, 0, 1000, 300), u"abcdefghij"_qs, font), 9);
    EXPECT_EQ(fit(QRectF(4000, 7000, 1000, 300), u"abcdefghij"_qs, font), 9) << "another place";
    EXPECT_EQ(fit(QRectF(0, 0, 1200, 300), u"abcdefghij"_qs, font), 12) << "a wider box";
    EXPECT_EQ(fit(QRectF(0, 0, 1000, 300), u"abc"_qs, font), 12) << "another text";
    SurfaceFont bold = font;
    bold.bold = true;
    EXPECT_EQ(fit(QRectF(0, 0, 1000, 300), u"abcdefghij"_qs, bold), 9) << "another font";
    // More searches than it keeps (texts that fit as they are are not kept).
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(fit(QRectF(0, 0, 1000 + i, 300), u"abcdefghij"_qs, font), 9);
    EXPECT_EQ(fit(QRectF(0, 0, 1000, 300), u"abcdefghij"_qs, font), 9) << "forgotten, fitted again";
}

struct QrCase {
    const char* name;
    QString text;
    bool drawnAsCode;
};

class TextBoxQrTest : public testing::TestWithParam<QrCase> {};

TEST_P(TextBoxQrTest, FormatSixWithSixCharactersIsACode) {
    const QrCase& c = GetParam();
    RecordingFixture fixture;
    TextBoxDraw draw = textBox(QRectF(100, 200, 900, 600), c.text);
    draw.format.Format = formatkind::QrCode;
    draw.backTrans = false;
    draw.qrIcon = QByteArray("icon");
    draw.centerIconSize = 25;
    DrawTextBox(fixture.surface, draw);

    const auto codes = fixture.ops(DrawOp::Kind::QrCode);
    if (!c.drawnAsCode) {
        EXPECT_TRUE(codes.empty());
        ASSERT_EQ(fixture.ops(DrawOp::Kind::Text).size(), 1u);
        EXPECT_EQ(fixture.ops(DrawOp::Kind::Text)[0].text, c.text);
        return;
    }
    // Nothing else is drawn for the element, not even its background.
    ASSERT_EQ(fixture.ops().size(), 1u);
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_EQ(codes[0].text, c.text);
    EXPECT_EQ(codes[0].rect, QRectF(100, 200, 600, 600));
    EXPECT_EQ(codes[0].byteCount, 4);
    EXPECT_EQ(codes[0].iconPercent, 25);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextBoxQrTest,
                         testing::Values(QrCase{"five_characters", u"12345"_qs, false},
                                         QrCase{"six_characters", u"123456"_qs, true}),
                         [](const testing::TestParamInfo<QrCase>& param) { return std::string(param.param.name); });

TEST(DrawTextBox, AnOpaqueBoxIsFilledWhiteShortOfItsRightAndBottomEdges) {
    RecordingFixture fixture;
    TextBoxDraw draw = textBox(QRectF(100, 200, 1000, 500), u"a"_qs);
    draw.backTrans = false;
    DrawTextBox(fixture.surface, draw);
    const auto ops = fixture.ops();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::Fill);
    EXPECT_EQ(ops[0].rect, QRectF(100, 200, 970, 470));
    EXPECT_EQ(ops[0].color, 0xFFFFFF);
    EXPECT_EQ(ops[1].kind, DrawOp::Kind::Text);
}

TEST(DrawTextBox, ATransparentBoxIsNotFilled) {
    RecordingFixture fixture;
    DrawTextBox(fixture.surface, textBox(QRectF(100, 200, 1000, 500), u"a"_qs));
    EXPECT_TRUE(fixture.ops(DrawOp::Kind::Fill).empty());
}

struct ValueCase {
    const char* name;
    Value value;
    bool numeric;
    QString expected;
};

class TextBoxValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(TextBoxValueTest, FormatsTheBoundValue) {
    const ValueCase& c = GetParam();
    RecordingFixture fixture;
    TextBoxDraw draw = textBox(QRectF(0, 0, 3000, 600), c.value);
    draw.numeric = c.numeric;
    draw.format.XSWS = 2;
    draw.format.suffix = u"mg"_qs;
    draw.foreColor = 0xFF;
    DrawTextBox(fixture.surface, draw);
    const auto texts = fixture.ops(DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, c.expected);
    EXPECT_EQ(texts[0].color, 0xFF);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TextBoxValueTest,
    testing::Values(ValueCase{"number", 123, true, u"123.00mg"_qs},
                    ValueCase{"numeric_text_of_a_number_field", u"00123"_qs, true, u"123.00mg"_qs},
                    // A text field holding digits keeps them as they stand.
                    ValueCase{"text_field", u"00123"_qs, false, u"00123mg"_qs}),
    [](const testing::TestParamInfo<ValueCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace ky
