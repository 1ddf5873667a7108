#include "report/data/value.h"

#include "data/record_set_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace ky {
namespace {

QDateTime utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

Value decimal(const char16_t* text) { return Value(*Decimal::parse(QStringView(text))); }

TEST(Value, ToDoubleFollowsTheScriptingRules) {
    const struct {
        const char* why;
        Value value;
        std::optional<double> expected;
    } rows[] = {
        {"empty reads as zero", Value(), 0.0},
        {"null has no number", Value::null(), std::nullopt},
        {"true is -1", Value(true), -1.0},
        {"false is 0", Value(false), 0.0},
        {"16-bit integer", Value(std::int16_t{-5}), -5.0},
        {"64-bit integer", Value(9007199254740992LL), 9007199254740992.0},
        {"single widens exactly", Value(1.5f), 1.5},
        {"currency is scaled by 10^4", Value(Currency{12345}), 1.2345},
        {"decimal", decimal(u"-12.5"), -12.5},
        {"a date is its day number", Value(OleDate{45356.25}), 45356.25},
        {"numeric text, blanks around", Value(QStringLiteral(" 42 ")), 42.0},
        {"exponent text", Value(QStringLiteral("1e3")), 1000.0},
        {"words are no number", Value(QStringLiteral("abc")), std::nullopt},
        {"a number followed by a word is no number", Value(QStringLiteral("12abc")), std::nullopt},
        {"empty text is no number (type mismatch in the script)", Value(QString()), std::nullopt},
        {"overflowing text is no number", Value(QStringLiteral("1e400")), std::nullopt},
        {"bytes have no number", Value(QByteArray("12")), std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        EXPECT_EQ(row.value.toDouble(), row.expected);
    }
}

TEST(Value, ToTextFormatsLikeTheScriptingLanguage) {
    const struct {
        const char* why;
        Value value;
        QString expected;
    } rows[] = {
        {"empty is the empty text", Value(), QString()},
        {"null is the empty text", Value::null(), QString()},
        {"booleans by name", Value(true), QStringLiteral("True")},
        {"booleans by name", Value(false), QStringLiteral("False")},
        {"integers plainly", Value(-7), QStringLiteral("-7")},
        {"64-bit integers keep every digit", Value(9007199254740993LL), QStringLiteral("9007199254740993")},
        {"large doubles switch to an E exponent with sign", Value(1e20), QStringLiteral("1E+20")},
        {"small doubles too, two exponent digits", Value(1e-5), QStringLiteral("1E-05")},
        {"1E+15 is where 15 digits no longer suffice", Value(1e15), QStringLiteral("1E+15")},
        {"below that the number is written out", Value(1e14), QStringLiteral("100000000000000")},
        {"0.0001 is still written out", Value(0.0001), QStringLiteral("0.0001")},
        {"15 significant digits hide binary noise", Value(0.1 + 0.2), QStringLiteral("0.3")},
        {"15 significant digits at most", Value(1.0 / 3.0), QStringLiteral("0.333333333333333")},
        {"rounded mantissa with exponent", Value(123456789012345678.0), QStringLiteral("1.23456789012346E+17")},
        {"negative exponent with sign", Value(-1.5e-7), QStringLiteral("-1.5E-07")},
        {"negative zero is plain zero", Value(-0.0), QStringLiteral("0")},
        {"whole doubles have no point", Value(100.0), QStringLiteral("100")},
        {"single shows its own precision, not the widened double's", Value(1.1f), QStringLiteral("1.1")},
        {"currency trims trailing zeros", Value(Currency{15000}), QStringLiteral("1.5")},
        {"currency keeps all four places", Value(Currency{-1}), QStringLiteral("-0.0001")},
        {"whole currency", Value(Currency{1230000}), QStringLiteral("123")},
        {"decimal trims trailing zeros", decimal(u"12.50"), QStringLiteral("12.5")},
        {"date and time", Value(*OleDate::parse(u"2024-03-05 08:07:09")), QStringLiteral("2024/3/5 8:07:09")},
        {"the date alone at midnight", Value(*OleDate::parse(u"2024-03-05")), QStringLiteral("2024/3/5")},
        {"the time alone on day 0", Value(*OleDate::parse(u"8:07")), QStringLiteral("8:07:00")},
        {"day 0 at midnight is a time", Value(OleDate{0}), QStringLiteral("0:00:00")},
        {"text as it is", Value(QStringLiteral("中文 text")), QStringLiteral("中文 text")},
        {"bytes read as UTF-16 code units", Value(QByteArray("A\0B\0", 4)), QStringLiteral("AB")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        EXPECT_EQ(row.value.toText(), row.expected);
    }
}

TEST(Value, ToBoolAcceptsNamesAndNumbers) {
    const struct {
        const char* why;
        Value value;
        std::optional<bool> expected;
    } rows[] = {
        {"empty is false", Value(), false},
        {"null has no truth value", Value::null(), std::nullopt},
        {"names, any case, blanks around", Value(QStringLiteral(" TRUE ")), true},
        {"names, any case", Value(QStringLiteral("false")), false},
        {"other words are not booleans", Value(QStringLiteral("yes")), std::nullopt},
        {"numeric text goes through the number", Value(QStringLiteral("0")), false},
        {"any non-zero number is true", Value(2), true},
        {"zero is false", Value(0.0), false},
        {"bytes are not booleans", Value(QByteArray("\1")), std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        EXPECT_EQ(row.value.toBool(), row.expected);
    }
}

TEST(Value, ToDateReadsTextAndDayNumbers) {
    EXPECT_EQ(Value(QStringLiteral("2024-03-05")).toDate(), OleDate{45356});
    EXPECT_EQ(Value(45356.5).toDate(), OleDate{45356.5});
    EXPECT_EQ(Value(QStringLiteral("not a date")).toDate(), std::nullopt);
    EXPECT_EQ(Value::null().toDate(), std::nullopt);
    EXPECT_EQ(Value(QByteArray("x")).toDate(), std::nullopt);
}

TEST(OleDate, ParsesTheUsualForms) {
    const struct {
        const char16_t* text;
        QDateTime expected;  // invalid: not readable
    } rows[] = {
        {u"2024-03-05", utc(2024, 3, 5)},
        {u"2024/3/5 8:07:09", utc(2024, 3, 5, 8, 7, 9)},
        {u"2024-03-05T08:07:09", utc(2024, 3, 5, 8, 7, 9)},
        {u"2024.3.5", utc(2024, 3, 5)},
        {u"  2024-03-05 8:07  ", utc(2024, 3, 5, 8, 7)},
        {u"8:07", utc(1899, 12, 30, 8, 7)},  // a time alone lands on day 0
        {u"", {}},
        {u"hello", {}},
        {u"2024-13-01", {}},               // no month 13
        {u"2023-02-29", {}},               // not a leap year
        {u"2024-03-05 25:00", {}},         // a readable date with an unreadable time is refused whole
        {u"2024-03-05 8:07 tomorrow", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.text).toStdString());
        const auto parsed = OleDate::parse(QStringView(row.text));
        if (!row.expected.isValid()) {
            EXPECT_EQ(parsed, std::nullopt);
            continue;
        }
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->toDateTime(), row.expected);
    }
}

TEST(OleDate, CountsDaysFromDayZero) {
    // 2024-03-05 is serial 45356 in every spreadsheet that counts from 1899-12-30.
    EXPECT_EQ(OleDate::parse(u"2024-03-05")->days, 45356.0);
    EXPECT_DOUBLE_EQ(OleDate::parse(u"2024-03-05 06:00")->days, 45356.25);
    // Before day zero the whole part goes back but the fraction still counts
    // forward in time: -1.25 is 1899-12-29 06:00, not 1899-12-28 18:00.
    EXPECT_EQ(OleDate::fromDateTime(utc(1899, 12, 29, 6)).days, -1.25);
    EXPECT_EQ(OleDate{-1.25}.toString(), QStringLiteral("1899/12/29 6:00:00"));
}

TEST(OleDate, RoundsToTheMillisecondIntoTheNextDay) {
    // A hair before midnight is midnight of the next day, not 23:59:59.
    EXPECT_EQ(OleDate{45356.0 + (1.0 - 1e-11)}.toString(), QStringLiteral("2024/3/6"));
    EXPECT_EQ(OleDate{45356.5}.toString(), QStringLiteral("2024/3/5 12:00:00"));
}

TEST(OleDate, OutOfRangeDaysStillGiveAText) {
    for (double days : {1e300, -1e300, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        const OleDate date{days};
        EXPECT_FALSE(date.toDateTime().isValid());
        EXPECT_FALSE(date.toString().isEmpty());
    }
}

TEST(Currency, KeepsFourDecimalPlaces) {
    const struct {
        double value;
        std::optional<std::int64_t> scaled;
        const char* text;  // toString of the result
    } rows[] = {
        {1.23456, 12346, "1.2346"},  // the fifth place rounds the fourth
        {-2.5, -25000, "-2.5"},
        {0.00004, 0, "0"},
        {922000000000000.0, 9220000000000000000, "922000000000000"},  // near the top of the range
        {-922000000000000.0, -9220000000000000000, "-922000000000000"},
        {922337203685478.0, std::nullopt, ""},  // just past 2^63 / 10^4
        {1e20, std::nullopt, ""},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt, ""},
        {std::numeric_limits<double>::infinity(), std::nullopt, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        const auto c = Currency::fromDouble(row.value);
        ASSERT_EQ(c.has_value(), row.scaled.has_value());
        if (!c) continue;
        EXPECT_EQ(c->scaled, *row.scaled);
        EXPECT_EQ(c->toString(), QString::fromLatin1(row.text));
    }
}

TEST(ParseNumber, IsStrict) {
    const struct {
        const char16_t* text;
        std::optional<double> expected;
    } rows[] = {
        {u" 12.5 ", 12.5}, {u"+3", 3.0}, {u"-1e-3", -0.001}, {u".5", 0.5},
        {u"1,000", std::nullopt},  // no group separators
        {u"0x10", std::nullopt},   {u"$5", std::nullopt},  {u".", std::nullopt},
        {u"", std::nullopt},       {u"1e", std::nullopt},  {u"inf", std::nullopt},
        {u"nan", std::nullopt},    {u"1e999", std::nullopt},  // not finite
        {u"1 2", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.text).toStdString());
        EXPECT_EQ(parseNumber(QStringView(row.text)), row.expected);
    }
}

}  // namespace
}  // namespace ky
