// The toolbars' image strips are built in: one square image per button image,
// at 16 pixels and at 32 for scaled displays, none of them blank.

#include "report/designer/controls/toolbar_strips.h"

#include <gtest/gtest.h>

namespace ky::designer {
namespace {

struct StripCase {
    int toolbar;
    int images;
};

class ToolbarStrips : public testing::TestWithParam<StripCase> {};

bool blank(const QImage& strip, int image, int side) {
    for (int y = 0; y < side; ++y)
        for (int x = image * side; x < (image + 1) * side; ++x)
            if (qAlpha(strip.pixel(x, y)) > 0) return false;
    return true;
}

TEST_P(ToolbarStrips, HoldOneDrawnImageForEachButtonImage) {
    const StripCase c = GetParam();
    for (const auto& [ratio, side] : {std::pair{1.0, 16}, std::pair{2.0, 32}}) {
        const QImage strip = toolbarStrip(c.toolbar, ratio);
        ASSERT_EQ(strip.size(), QSize(c.images * side, side)) << "toolbar " << c.toolbar << " at " << ratio;
        for (int i = 0; i < c.images; ++i) EXPECT_FALSE(blank(strip, i, side)) << "image " << i;
    }
}

// Thirteen main images (import 9, export 10, quit 11, submit 12), nineteen
// formatting images, four preview images.
INSTANTIATE_TEST_SUITE_P(Toolbars, ToolbarStrips, testing::Values(StripCase{1, 13}, StripCase{2, 19}, StripCase{3, 4}));

TEST(ToolbarStripsOfNoToolbar, AreNull) {
    EXPECT_TRUE(toolbarStrip(0, 1).isNull());
    EXPECT_TRUE(toolbarStrip(4, 2).isNull());
}

}  // namespace
}  // namespace ky::designer
