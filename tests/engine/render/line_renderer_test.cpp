#include "engine/render/render_test_support.h"
#include "report/engine/render/element_renderers.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

struct LineCase {
    const char* name;
    QSizeF size;
    int xiexian;
    QPointF from, to;  // relative to the element's corner (1000, 2000)
};

class LineTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineTest, RunsBetweenTheCornersXiexianNames) {
    const LineCase& c = GetParam();
    RecordingFixture fixture;
    DrawLine(fixture.surface, {.box = QRectF(QPointF(1000, 2000), c.size), .xiexian = c.xiexian, .lineWidth = 2, .color = 0xFF});
    const auto lines = fixture.ops(DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].from, c.from + QPointF(1000, 2000));
    EXPECT_EQ(lines[0].to, c.to + QPointF(1000, 2000));
    EXPECT_EQ(lines[0].penWidth, 2);
    EXPECT_EQ(lines[0].color, 0xFF);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, LineTest,
    testing::Values(LineCase{"diagonal_down", QSizeF(200, 200), 1, QPointF(0, 0), QPointF(200, 200)},
                    LineCase{"diagonal_up", QSizeF(200, 200), 0, QPointF(200, 0), QPointF(0, 200)},
                    LineCase{"any_other_value_is_up", QSizeF(200, 200), 7, QPointF(200, 0), QPointF(0, 200)},
                    // At most 100 twips across is straight.
                    LineCase{"flat_is_horizontal", QSizeF(500, 80), 1, QPointF(0, 0), QPointF(500, 0)},
                    LineCase{"flat_up_is_horizontal", QSizeF(500, 80), 0, QPointF(500, 0), QPointF(0, 0)},
                    LineCase{"narrow_is_vertical", QSizeF(100, 600), 1, QPointF(0, 0), QPointF(0, 600)},
                    LineCase{"just_over_stays_diagonal", QSizeF(101, 600), 1, QPointF(0, 0), QPointF(101, 600)}),
    [](const testing::TestParamInfo<LineCase>& param) { return std::string(param.param.name); });

TEST(DrawLine, ThePenWidthGrowsOnThePrinter) {
    RecordingFixture fixture(RecordingSurface::Mode::Printer);
    DrawLine(fixture.surface, {.box = QRectF(0, 0, 500, 0), .lineWidth = 1});
    EXPECT_EQ(fixture.ops(DrawOp::Kind::Line)[0].penWidth, 6);
}

}  // namespace
}  // namespace ky
