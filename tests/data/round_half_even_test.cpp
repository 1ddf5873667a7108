#include "report/data/round_half_even.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ky {
namespace {

struct Case {
    const char* why;
    double value;
    int decimals;
    double expected;
};

TEST(RoundHalfEven, RoundsTheDecimalTextHalfToEven) {
    const Case cases[] = {
        {"a tie goes to the even digit (down)", 2.25, 1, 2.2},
        {"a tie goes to the even digit (up)", 2.35, 1, 2.4},
        {"digits after the 5 round up", 2.2501, 1, 2.3},
        // 2.45 is stored as 2.4500000000000001776...; as it prints it is a tie.
        {"the printed value decides, not the binary one", 2.45, 1, 2.4},
        {"below half", 2.24, 1, 2.2},
        {"above half", 2.26, 1, 2.3},
        {"whole numbers: 0.5 to 0", 0.5, 0, 0},
        {"whole numbers: 1.5 to 2", 1.5, 0, 2},
        {"whole numbers: 2.5 to 2", 2.5, 0, 2},
        {"the interval count of 2.26 / 0.5", 4.52, 0, 5},
        {"the interval count of 2.74 / 0.5", 5.48, 0, 5},
        {"a carry through nines", 9.995, 2, 10.0},
        {"a carry into a new digit", 99.96, 1, 100.0},
        {"fewer places than asked: unchanged", 1.5, 3, 1.5},
        {"negative: like the magnitude", -2.25, 1, -2.2},
        {"negative with digits after the 5", -2.2501, 1, -2.3},
        {"negative rounding to zero is plain zero", -0.4, 0, 0},
        {"negative decimals count as 0", 2.5, -1, 2},
        {"large values have no fraction to round", 1e20, 2, 1e20},
        {"tiny values", 0.000125, 4, 0.0001},
        {"grid pitch: twips", 1133.5, 0, 1134},
    };
    for (const Case& c : cases) {
        const double rounded = RoundHalfEven(c.value, c.decimals);
        EXPECT_EQ(rounded, c.expected) << c.why << ": " << c.value << " to " << c.decimals;
        EXPECT_FALSE(std::signbit(rounded) && rounded == 0) << c.why << ": negative zero";
    }
}

TEST(RoundHalfEven, NonFiniteValuesComeBackUnchanged) {
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""), 2)));
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::infinity(), 2), std::numeric_limits<double>::infinity());
    EXPECT_EQ(RoundHalfEven(1.7e308, 2), 1.7e308);
}

}  // namespace
}  // namespace ky
