#include "engine/render/render_test_support.h"
#include "report/engine/render/element_renderers.h"

#include <gtest/gtest.h>

#include <QLineF>

#include <algorithm>

namespace ky {
namespace {

using Mode = RecordingSurface::Mode;

// A 1500 × 900 box at (1000, 2000) with its border hidden, so only the
// inner lines are drawn.
BoxDraw grid(int rows, QString rowHeight, int cols = 1, QString colWidth = {}) {
    BoxDraw draw;
    draw.box = QRectF(1000, 2000, 1500, 900);
    draw.rows = rows;
    draw.rowHeight = std::move(rowHeight);
    draw.cols = cols;
    draw.colWidth = std::move(colWidth);
    draw.showLeft = draw.showTop = draw.showRight = draw.showBottom = false;
    return draw;
}

std::vector<QLineF> lines(const RecordingFixture& fixture) {
    std::vector<QLineF> found;
    for (const DrawOp& op : fixture.ops(DrawOp::Kind::Line)) found.emplace_back(op.from, op.to);
    return found;
}

QLineF rowLine(double offset) { return {1000, 2000 + offset, 2500, 2000 + offset}; }
QLineF colLine(double offset) { return {1000 + offset, 2000, 1000 + offset, 2900}; }

struct GridCase {
    const char* name;
    BoxDraw draw;
    std::vector<QLineF> expected;
};

class BoxGridTest : public testing::TestWithParam<GridCase> {};

TEST_P(BoxGridTest, DrawsTheInnerLinesWhereTheyWereDesigned) {
    const GridCase& c = GetParam();
    RecordingFixture fixture;
    DrawBox(fixture.surface, c.draw);
    EXPECT_EQ(lines(fixture), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, BoxGridTest,
    testing::Values(
        // Offsets from the top edge, not widths to add up (which would put the second line at 900).
        GridCase{"stored_offsets", grid(3, u"300;600"_qs), {rowLine(300), rowLine(600)}},
        GridCase{"dragged_rows", grid(3, u"100;750"_qs), {rowLine(100), rowLine(750)}},
        GridCase{"columns", grid(1, {}, 3, u"200;1200"_qs), {colLine(200), colLine(1200)}},
        // A line without an entry stays where the even spacing put it (900 / 3).
        GridCase{"missing_entry_is_even", grid(3, u"100"_qs), {rowLine(100), rowLine(600)}},
        // Entries beyond Rows − 1 are ignored; one row has no inner line.
        GridCase{"extra_entries", grid(2, u"450;600;700"_qs), {rowLine(450)}},
        GridCase{"one_row", grid(1, u"300"_qs), {}},
        GridCase{"unreadable_entry_is_the_edge", grid(2, u"x"_qs), {rowLine(0)}}),
    [](const testing::TestParamInfo<GridCase>& param) { return std::string(param.param.name); });

TEST(DrawBox, InnerLinesTakeTheRowAndColumnPen) {
    RecordingFixture fixture(Mode::Printer);
    BoxDraw draw = grid(2, u"450"_qs);
    draw.rcWidth = 2;
    draw.borderColor = 0xAB;
    DrawBox(fixture.surface, draw);
    const auto ops = fixture.ops(DrawOp::Kind::Line);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].penWidth, 12);
    EXPECT_EQ(ops[0].color, 0xAB);
}

struct BorderCase {
    const char* name;
    Mode mode;
    int borderWidth;
    double inset;  // pen pixels × twips per pixel
    int pen;
};

class BoxBorderTest : public testing::TestWithParam<BorderCase> {};

TEST_P(BoxBorderTest, PullsTheSidesInwardsByThePenWidth) {
    const BorderCase& c = GetParam();
    RecordingFixture fixture(c.mode);
    BoxDraw draw;
    draw.box = QRectF(1000, 2000, 1500, 900);
    draw.borderWidth = c.borderWidth;
    DrawBox(fixture.surface, draw);

    const double l = 1000 + c.inset, t = 2000 + c.inset, r = 2500 - c.inset, b = 2900 - c.inset;
    const std::vector<QLineF> expected = {{l, t, l, b}, {l, t, r, t}, {r, t, r, b}, {l, b, r, b}};
    EXPECT_EQ(lines(fixture), expected);
    for (const DrawOp& op : fixture.ops(DrawOp::Kind::Line)) EXPECT_EQ(op.penWidth, c.pen);
}

INSTANTIATE_TEST_SUITE_P(Pens, BoxBorderTest,
                         testing::Values(BorderCase{"screen_pixel", Mode::Picture, 1, 15, 1},
                                         BorderCase{"wide_screen_pen", Mode::Picture, 3, 45, 3},
                                         BorderCase{"printer", Mode::Printer, 1, 6 * 2.4, 6}),
                         [](const testing::TestParamInfo<BorderCase>& param) { return std::string(param.param.name); });

TEST(DrawBox, HiddenSidesAreNotDrawn) {
    RecordingFixture fixture;
    BoxDraw draw;
    draw.box = QRectF(0, 0, 900, 900);
    draw.showTop = false;
    draw.showBottom = false;
    DrawBox(fixture.surface, draw);
    const auto drawn = lines(fixture);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(std::all_of(drawn.begin(), drawn.end(), [](const QLineF& l) { return l.dx() == 0; }));
}

}  // namespace
}  // namespace ky
