#include "report/engine/render/element_renderers.h"
#include "engine/render/render_test_support.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

struct PenCase {
    const char* name;
    RecordingSurface::Mode mode;
    double width;
    int zoom;
    int expected;
};

class PenWidthTest : public testing::TestWithParam<PenCase> {};

TEST_P(PenWidthTest, ConvertsScreenPixels) {
    const PenCase& c = GetParam();
    RecordingFixture fixture(c.mode);
    EXPECT_EQ(PenWidth(fixture.surface, c.width, c.zoom), c.expected);
}

using Mode = RecordingSurface::Mode;

INSTANTIATE_TEST_SUITE_P(
    Widths, PenWidthTest,
    testing::Values(
        // 15 / 2.4 = 6.25 device pixels per screen pixel.
        PenCase{"printer_one_pixel", Mode::Printer, 1, 100, 6},
        // 12.5 rounds half to even.
        PenCase{"printer_two_pixels", Mode::Printer, 2, 100, 12},
        PenCase{"picture_keeps_width", Mode::Picture, 3, 100, 3},
        PenCase{"picture_zoomed", Mode::Picture, 3, 150, 4},  // 4.5 -> 4
        // Below 0.5 rounds to 0, which is raised to 1.
        PenCase{"picture_too_thin", Mode::Picture, 1, 40, 1}, PenCase{"printer_zero", Mode::Printer, 0, 100, 1},
        PenCase{"negative", Mode::Picture, -5, 100, 1}),
    [](const testing::TestParamInfo<PenCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace ky
