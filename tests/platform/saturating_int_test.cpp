// Numbers from outside become ints without undefined behaviour: toward zero
// as a cast goes, the nearest end of the range beyond it, NaN as 0.

#include "platform/saturating_int.h"

#include <gtest/gtest.h>

#include <limits>

namespace ky {
namespace {

struct IntCase {
    const char* why;
    double value;
    int saturated, rounded;
};

class SaturatingInt : public testing::TestWithParam<IntCase> {};

TEST_P(SaturatingInt, StaysInRange) {
    const IntCase& c = GetParam();
    EXPECT_EQ(saturatingInt(c.value), c.saturated);
    EXPECT_EQ(roundedInt(c.value), c.rounded);
}

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

INSTANTIATE_TEST_SUITE_P(
    Table, SaturatingInt,
    testing::Values(IntCase{"a page number of eighty-two ones", 1.11111e81, kMax, kMax},
                    IntCase{"far below", -3e38, kMin, kMin},
                    IntCase{"infinity", std::numeric_limits<double>::infinity(), kMax, kMax},
                    IntCase{"NaN", std::numeric_limits<double>::quiet_NaN(), 0, 0},
                    IntCase{"the largest int", 2147483647.0, kMax, kMax},
                    // Rounding would leave the range: it sticks to the end.
                    IntCase{"just below the largest", 2147483646.6, 2147483646, kMax},
                    IntCase{"the smallest int", -2147483648.0, kMin, kMin},
                    IntCase{"a fraction toward zero", -0.9, 0, -1},
                    IntCase{"a half away from zero", 2.5, 2, 3},
                    IntCase{"a negative half", -2.5, -2, -3}));

}  // namespace
}  // namespace ky
