// The rulers: a tick a millimetre at the zoom, longer every fifth and tenth
// with the centimetres beside them, moved by the scroll bar, drawn on whole
// pixels.

#include "report/designer/controls/ruler.h"

#include <QImage>

#include <gtest/gtest.h>

namespace ky::designer {
namespace {

struct TickCase {
    const char* why;
    double length;
    int zoom;
    std::size_t count;
    RulerTick fifth;  // the tick of the fifth millimetre, where there is one
};

class RulerTicks : public testing::TestWithParam<TickCase> {};

TEST_P(RulerTicks, FallEveryMillimetreAtTheZoom) {
    const TickCase& c = GetParam();
    const auto ticks = rulerTicks(c.length, c.zoom);
    ASSERT_EQ(ticks.size(), c.count) << c.why;
    if (c.count > 10) {
        EXPECT_EQ(ticks[0], (RulerTick{0, kTickLong, 0}));
        EXPECT_EQ(ticks[1].reach, kTickShort);
        EXPECT_DOUBLE_EQ(ticks[5].at, c.fifth.at);
        EXPECT_EQ(ticks[5].reach, kTickMiddle);
        EXPECT_EQ(ticks[10].centimetres, 1);
        EXPECT_EQ(ticks[10].reach, kTickLong);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RulerTicks,
    testing::Values(
        // 600 twips hold millimetres 0 to 10 (567); 11 would be 623.7.
        TickCase{"at 100 %", 600, 100, 11, {283.5, kTickMiddle}},
        TickCase{"at 200 %: twice as far apart", 1200, 200, 11, {567, kTickMiddle}},
        TickCase{"at 10 %", 100, 10, 18, {28.35, kTickMiddle}},
        TickCase{"no zoom", 600, 0, 0, {}},
        TickCase{"no length", -5, 100, 0, {}},
        TickCase{"a length beyond any page stops at the bound", 1e12, 100, kMaxTicks, {283.5, kTickMiddle}}));

// At 96 dots an inch a millimetre is 3.78 pixels: the 1 cm tick falls on
// column 37, one pixel wide; scrolled by 10 mm it falls on column 0.
TEST(Ruler, DrawsEachTickOnOneWholePixel) {
    Ruler ruler(Qt::Horizontal);
    ruler.resize(200, 17);
    ruler.setScale(11907, 5000, 100);
    EXPECT_EQ(ruler.ticks().size(), 228u) << "21 cm of page and 1000 twips of margin: 12907 twips";
    const auto darkAt = [&](int column) {
        const QImage image = ruler.grab().toImage();
        return qGray(image.pixel(column, 8)) < 128;
    };
    if (ruler.logicalDpiX() != 96) GTEST_SKIP() << "the columns are those of a 96-dpi screen";
    EXPECT_TRUE(darkAt(37));
    EXPECT_FALSE(darkAt(36));
    EXPECT_FALSE(darkAt(38));
    ruler.setScrollMillimetres(10);
    EXPECT_DOUBLE_EQ(ruler.offsetTwips(), 567);
    EXPECT_TRUE(darkAt(0));
    EXPECT_FALSE(darkAt(1));
}

}  // namespace
}  // namespace ky::designer
