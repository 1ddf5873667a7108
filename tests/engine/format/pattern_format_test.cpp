#include "report/engine/format/pattern_format.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ky {
namespace {

struct PatternCase {
    Value value;
    const char16_t* pattern;
    const char16_t* expected;
};

void PrintTo(const PatternCase& c, std::ostream* out) {
    *out << c.value.toText().toStdString() << " with " << QString::fromUtf16(c.pattern).toStdString();
}

class PatternFormatTest : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternFormatTest, WritesTheValue) {
    EXPECT_EQ(formatWithPattern(GetParam().value, QString::fromUtf16(GetParam().pattern)), QString::fromUtf16(GetParam().expected));
}

// 2024-03-05 14:07:09, as a day number: parsing would run before the parser's own statics exist.
const Value kDate = Value(OleDate{45356.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0});

INSTANTIATE_TEST_SUITE_P(
    Numbers, PatternFormatTest,
    testing::Values(PatternCase{1234.567, u"0.00", u"1234.57"}, PatternCase{1234.567, u"#,##0.0", u"1,234.6"},
                    PatternCase{0.5, u"#.##", u".5"}, PatternCase{0.5, u"0.##", u"0.5"}, PatternCase{5, u"000", u"005"},
                    PatternCase{2.5, u"0", u"3"},  // half away from zero, unlike RoundHalfEven
                    PatternCase{-2.5, u"0", u"-3"}, PatternCase{-0.001, u"0.00", u"0.00"},
                    PatternCase{0.256, u"0.0%", u"25.6%"}, PatternCase{1234567, u"#,##0,", u"1,235"},
                    PatternCase{12345.678, u"0.00E+00", u"1.23E+04"}, PatternCase{0.00012, u"0.0E-0", u"1.2E-4"},
                    PatternCase{1234567, u"000-0000", u"123-4567"}, PatternCase{7, u"\"No.\"000", u"No.007"},
                    PatternCase{-5, u"0;(0)", u"(5)"}, PatternCase{0, u"0;-0;\"零\"", u"零"},
                    PatternCase{-5, u"0;;\"零\"", u"-5"}, PatternCase{Value::null(), u"0;-0;0;\"无\"", u"无"},
                    PatternCase{u"12.5"_qs, u"0.00", u"12.50"}, PatternCase{true, u"0", u"-1"},
                    PatternCase{u"阴性"_qs, u"0.00", u"阴性"}, PatternCase{1e20, u"0", u"100000000000000000000"},
                    PatternCase{12.5, u"0.0 \\m\\g", u"12.5 mg"}));

INSTANTIATE_TEST_SUITE_P(
    Dates, PatternFormatTest,
    testing::Values(PatternCase{kDate, u"yyyy-mm-dd hh:nn:ss", u"2024-03-05 14:07:09"},
                    PatternCase{kDate, u"yy/m/d h:mm", u"24/3/5 14:07"},  // m after h is minutes
                    PatternCase{kDate, u"yyyy\\年mm\\月dd\\日", u"2024年03月05日"},
                    PatternCase{kDate, u"h:nn AM/PM", u"2:07 PM"}, PatternCase{kDate, u"h:nn a/p", u"2:07 p"},
                    PatternCase{kDate, u"hh AMPM", u"02 下午"}, PatternCase{kDate, u"dddd ddd w", u"星期二 周二 3"},
                    PatternCase{kDate, u"mmmm mmm q y", u"三月 3月 1 65"}, PatternCase{kDate, u"c", u"2024/3/5 14:07:09"},
                    PatternCase{kDate, u"ddddd", u"2024/3/5"}, PatternCase{kDate, u"dddddd", u"2024年3月5日"},
                    PatternCase{kDate, u"ttttt", u"14:07:09"}, PatternCase{kDate, u"0.00", u"45356.59"},
                    PatternCase{45356.0, u"yyyy-mm-dd", u"2024-03-05"},
                    PatternCase{u"2024/3/5"_qs, u"yyyy.mm.dd", u"2024.03.05"},
                    PatternCase{u"2024-03-05T08:00:00"_qs, u"hh:nn", u"08:00"},
                    PatternCase{u"not a date"_qs, u"yyyy", u"not a date"}));

INSTANTIATE_TEST_SUITE_P(
    Texts, PatternFormatTest,
    testing::Values(PatternCase{u"abc"_qs, u"@@@@@", u"  abc"}, PatternCase{u"abc"_qs, u"!@@@@@", u"abc  "},
                    PatternCase{u"abc"_qs, u"&&&&&", u"abc"}, PatternCase{u"12345"_qs, u"@@@-@@", u"123-45"},
                    PatternCase{u"abcdef"_qs, u"@@", u"abcdef"}, PatternCase{u"Abc"_qs, u"<@", u"abc"},
                    PatternCase{u"Abc"_qs, u">", u"ABC"}, PatternCase{u""_qs, u"@;\"(空)\"", u"(空)"}));

INSTANTIATE_TEST_SUITE_P(
    Named, PatternFormatTest,
    testing::Values(PatternCase{1234.5, u"General Number", u"1234.5"}, PatternCase{1234.5, u"currency", u"¥1,234.50"},
                    PatternCase{-1234.5, u"Currency", u"-¥1,234.50"}, PatternCase{0.5, u"Fixed", u"0.50"},
                    PatternCase{1234.5, u"Standard", u"1,234.50"}, PatternCase{0.1234, u"Percent", u"12.34%"},
                    PatternCase{1234.5, u"Scientific", u"1.23E+03"}, PatternCase{0, u"Yes/No", u"No"},
                    PatternCase{2, u"True/False", u"True"}, PatternCase{-1, u"On/Off", u"On"},
                    PatternCase{kDate, u"Long Date", u"2024年3月5日"}, PatternCase{kDate, u"Short Date", u"2024/3/5"},
                    PatternCase{kDate, u"Long Time", u"14:07:09"}, PatternCase{kDate, u"Short Time", u"14:07"},
                    PatternCase{kDate, u"General Date", u"2024/3/5 14:07:09"},
                    PatternCase{u"x"_qs, u"Fixed", u"x"}));

TEST(PatternFormat, EmptyPatternGivesTheText) {
    EXPECT_EQ(formatWithPattern(2.5, u""), u"2.5"_qs);
}

}  // namespace
}  // namespace ky
