#include "report/engine/page_range.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

struct RangeCase {
    const char16_t* text;
    int total;
    QStringList expected;
};

class PageRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(PageRangeTest, ListsThePagesInTheirOrder) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(ParsePageRange(c.total, QString::fromUtf16(c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, PageRangeTest,
    testing::Values(RangeCase{u"ALL", 3, {u"1"_qs, u"2"_qs, u"3"_qs}}, RangeCase{u"all", 0, {}},
                    RangeCase{u"1,3-5", 9, {u"1"_qs, u"3"_qs, u"4"_qs, u"5"_qs}},
                    RangeCase{u"5,2", 9, {u"5"_qs, u"2"_qs}},
                    // Ranges end at the last page; single pages stay as written.
                    RangeCase{u"2-999999999", 4, {u"2"_qs, u"3"_qs, u"4"_qs}}, RangeCase{u"7", 4, {u"7"_qs}},
                    RangeCase{u"5-3", 9, {}}, RangeCase{u"1-3,", 9, {u"1"_qs, u"2"_qs, u"3"_qs}},
                    RangeCase{u" 2 - 3 ", 9, {u"2"_qs, u"3"_qs}}));

TEST(PageInRange, ReadsEntriesAsWholeNumbers) {
    const QStringList list{u"1"_qs, u" 3"_qs, u"x"_qs};
    EXPECT_TRUE(PageInRange(list, 1));
    EXPECT_TRUE(PageInRange(list, 3));
    EXPECT_FALSE(PageInRange(list, 2));
    EXPECT_TRUE(PageInRange(list, 0));  // "x" reads as 0
    EXPECT_FALSE(PageInRange({}, 1));
}

TEST(LastPageInRange, IsTheLastEntryAsANumber) {
    EXPECT_EQ(LastPageInRange(ParsePageRange(9, u"5,2"_qs)), 2);
    EXPECT_EQ(LastPageInRange({}), std::nullopt);
}

}  // namespace
}  // namespace ky
