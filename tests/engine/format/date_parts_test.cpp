#include "report/engine/format/date_parts.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

struct DateCase {
    const char16_t* text;
    const char16_t* expected;  // "yyyy-MM-dd HH:mm:ss", or empty when not a date
};

class ReadDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(ReadDateTest, ReadsTheCommonForms) {
    const auto date = readDate(QString::fromUtf16(GetParam().text));
    const auto parts = date ? datePartsOf(*date) : std::nullopt;
    const QString shown = parts ? QDateTime(parts->date, QTime(parts->hour, parts->minute, parts->second)).toString(u"yyyy-MM-dd HH:mm:ss")
                                : QString();
    EXPECT_EQ(shown.toStdString(), QString::fromUtf16(GetParam().expected).toStdString()) << QString::fromUtf16(GetParam().text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ReadDateTest,
    testing::Values(DateCase{u"2024-03-05", u"2024-03-05 00:00:00"}, DateCase{u"2024/3/5 8:07", u"2024-03-05 08:07:00"},
                    DateCase{u"2024-03-05T08:07:09", u"2024-03-05 08:07:09"}, DateCase{u" 2024.3.5 ", u"2024-03-05 00:00:00"},
                    DateCase{u"2024年3月5日 14:00", u"2024-03-05 14:00:00"}, DateCase{u"3/5/2024 8:07 PM", u"2024-03-05 20:07:00"},
                    DateCase{u"12:30 AM", u"1899-12-30 00:30:00"}, DateCase{u"8:07", u"1899-12-30 08:07:00"},
                    DateCase{u"2024-02-30", u""}, DateCase{u"12.5", u""}, DateCase{u"阴性", u""}, DateCase{u"", u""},
                    DateCase{u"10000-01-01", u""}));

TEST(DateParts, DaysBeforeDayZeroCountTheirTimeForward) {
    // -1.25: 1899-12-29, six in the morning.
    const auto parts = datePartsOf(OleDate{-1.25});
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->date, QDate(1899, 12, 29));
    EXPECT_EQ(parts->hour, 6);
    EXPECT_EQ(oleDateOf(QDate(1899, 12, 29), 6 * 3600)->days, -1.25);
}

TEST(DateParts, RoundsToWholeSecondsAcrossMidnight) {
    const auto parts = datePartsOf(OleDate{45356.0 + 86399.6 / 86400});
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->date, QDate(2024, 3, 6));
    EXPECT_EQ(parts->secondsOfDay(), 0);
    EXPECT_FALSE(datePartsOf(OleDate{1e300}));
}

}  // namespace
}  // namespace ky
