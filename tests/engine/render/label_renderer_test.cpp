#include "engine/render/render_test_support.h"
#include "report/engine/render/element_renderers.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

LabelDraw label(QString caption, double hangJu) {
    LabelDraw draw;
    draw.box = QRectF(0, 0, 1030, 600);
    draw.font.size = 10;
    draw.caption = std::move(caption);
    draw.hangJu = hangJu;
    return draw;
}

TEST(DrawLabel, ABoxedLabelIsCentredVerticallyAndNotFormatted) {
    RecordingFixture fixture;
    LabelDraw draw = label(u"0.50"_qs, 0.05);
    draw.alignment = 1;
    DrawLabel(fixture.surface, draw);
    const auto texts = fixture.ops(DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, u"0.50"_qs);
    EXPECT_EQ(texts[0].rect, QRectF(630, 180, 400, 240));
}

TEST(DrawLabel, AnAutoSizedLabelShrinksLikeATextBox) {
    RecordingFixture fixture;
    LabelDraw draw = label(u"abcdefghij"_qs, 3);
    draw.box = QRectF(0, 0, 1000, 300);
    draw.font.size = 12;
    draw.autoSize = true;  // boxed whatever the spacing
    DrawLabel(fixture.surface, draw);
    const auto texts = fixture.ops(DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.size, 9);
}

TEST(DrawLabel, ASpacedLabelMeasuresWithTheEstimates) {
    // "abc" is estimated (10 × 9.9978296 + 5.1139447) × 3 wide and
    // 10 × 19.9981681 + 0.4086773 high, not 300 × 240 as the target measures it.
    RecordingFixture fixture;
    LabelDraw draw = label(u"abc"_qs, 1);
    draw.alignment = 1;
    DrawLabel(fixture.surface, draw);
    const auto ops = fixture.ops(DrawOp::Kind::PrintText);
    ASSERT_EQ(ops.size(), 1u);
    const double width = (10 * 9.9978296 + 5.1139447) * 3;
    const double height = 10 * 19.9981681 + 0.4086773;
    EXPECT_EQ(ops[0].from, QPointF(1000 - width, (600 - height) / 2));
}

TEST(DrawLabel, AnOpaqueLabelIsFilledWhite) {
    for (double hangJu : {0.05, 1.0}) {
        RecordingFixture fixture;
        LabelDraw draw = label(u"abc"_qs, hangJu);
        draw.backTrans = false;
        DrawLabel(fixture.surface, draw);
        const auto fills = fixture.ops(DrawOp::Kind::Fill);
        ASSERT_EQ(fills.size(), 1u) << hangJu;
        EXPECT_EQ(fills[0].rect, QRectF(0, 0, 1000, 570));
    }
}

TEST(UsesSpacedText, OnlyWithMoreThanHalfAMillimetreAndNoAutoSize) {
    EXPECT_FALSE(UsesSpacedText(false, 0.5));
    EXPECT_TRUE(UsesSpacedText(false, 0.51));
    EXPECT_FALSE(UsesSpacedText(true, 3));
}

}  // namespace
}  // namespace ky
