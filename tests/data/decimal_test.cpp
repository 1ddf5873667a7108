#include "report/data/decimal.h"

#include "data/record_set_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace ky {
namespace {

std::optional<QString> parsedText(const char16_t* text) {
    const auto d = Decimal::parse(QStringView(text));
    if (!d) return std::nullopt;
    return d->toString();
}

TEST(Decimal, ParsesPlainAndExponentForms) {
    const struct {
        const char16_t* text;
        const char16_t* expected;
    } rows[] = {
        {u"0", u"0"},
        {u"-12.50", u"-12.5"},  // trailing zeros of the scale are not shown
        {u"+7", u"7"},
        {u".5", u"0.5"},
        {u"5.", u"5"},
        {u"  42  ", u"42"},
        {u"1e3", u"1000"},
        {u"1.5E-3", u"0.0015"},
        {u"2.5e+1", u"25"},
        {u"-0", u"0"},  // no negative zero in text
        {u"0.000", u"0"},
        {u"000123.4500", u"123.45"},
        {u"1e28", u"10000000000000000000000000000"},
        {u"1234567890123456789012345678", u"1234567890123456789012345678"},  // 28 digits exactly
        {u"0.0000000000000000000000000001", u"0.0000000000000000000000000001"},  // the smallest step
        {u"1e-40", u"0"},  // below the smallest step
        {u"1e-99999999999", u"0"},  // an absurd exponent is not a hang
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.text).toStdString());
        EXPECT_EQ(parsedText(row.text), QString::fromUtf16(row.expected));
    }
}

TEST(Decimal, RoundsHalfToEvenPastTheTwentyEighthDigit) {
    const struct {
        const char16_t* text;
        const char16_t* expected;
    } rows[] = {
        // The 29th decimal place is past the largest scale.
        {u"0.00000000000000000000000000025", u"0.0000000000000000000000000002"},  // 2 is even: down
        {u"0.00000000000000000000000000035", u"0.0000000000000000000000000004"},  // 3 is odd: up
        {u"0.000000000000000000000000000251", u"0.0000000000000000000000000003"},  // above half: up
        {u"0.000000000000000000000000000149", u"0.0000000000000000000000000001"},  // rounded once, not 149->15->2
        // Digits past the 28th significant one, wherever the point is.
        {u"1234567890123456789012345678.5", u"1234567890123456789012345678"},  // 8 even: down
        {u"1234567890123456789012345677.5", u"1234567890123456789012345678"},  // 7 odd: up
        {u"1234567890123456789012345677.51", u"1234567890123456789012345678"},
        {u"1.23456789012345678901234567849", u"1.234567890123456789012345678"},  // below half: down
        {u"12345678901234567890123456785", u"12345678901234567890123456780"},  // integer digits become zeros
        {u"0.000012345678901234567890123456785", u"0.0000123456789012345678901235"},  // scale limit rounds first
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.text).toStdString());
        EXPECT_EQ(parsedText(row.text), QString::fromUtf16(row.expected));
    }
}

TEST(Decimal, RefusesMalformedAndOutOfRangeText) {
    for (const char16_t* text : {u"", u"   ", u"-", u"+", u".", u"1..2", u"1.2.3", u"1e", u"1e+", u"e5", u"abc", u"1 2",
                                 u"0x10", u"1,5", u"١٢",  // Arabic-Indic digits are not ours
                                 u"1e29", u"-1e29", u"8e28", u"123456789012345678901234567890",
                                 u"99999999999999999999999999995",  // rounds up to 10^29
                                 u"1e99999999999"}) {
        SCOPED_TRACE(QString::fromUtf16(text).toStdString());
        EXPECT_EQ(Decimal::parse(QStringView(text)), std::nullopt);
    }
}

TEST(Decimal, ComparesAcrossScales) {
    const struct {
        const char16_t* a;
        const char16_t* b;
        std::strong_ordering expected;
    } rows[] = {
        {u"1.50", u"1.5", std::strong_ordering::equal},
        {u"2", u"1.999", std::strong_ordering::greater},
        {u"-1", u"0.5", std::strong_ordering::less},
        {u"-2", u"-1.5", std::strong_ordering::less},  // larger magnitude, negative: smaller
        {u"0", u"-0", std::strong_ordering::equal},
        {u"0.0000000000000000000000000001", u"0", std::strong_ordering::greater},
        {u"10000000000000000000000000000", u"999999999999999999999999999.9", std::strong_ordering::greater},
        {u"0.1000000000000000000000000001", u"0.1000000000000000000000000002", std::strong_ordering::less},
        {u"123.45", u"123.4500000000000000000000001", std::strong_ordering::less},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.a).toStdString() + " vs " + QString::fromUtf16(row.b).toStdString());
        const Decimal a = *Decimal::parse(QStringView(row.a));
        const Decimal b = *Decimal::parse(QStringView(row.b));
        EXPECT_TRUE((a <=> b) == row.expected);
        EXPECT_TRUE((b <=> a) == 0 <=> (a <=> b));  // antisymmetric
        EXPECT_EQ(a == b, row.expected == std::strong_ordering::equal);
    }
}

TEST(Decimal, ConvertsFromIntegersAndDoubles) {
    EXPECT_EQ(Decimal::fromInt(std::numeric_limits<std::int64_t>::min()).toString(), QStringLiteral("-9223372036854775808"));
    EXPECT_EQ(Decimal::fromInt(0).toString(), QStringLiteral("0"));
    EXPECT_EQ(Decimal::fromDouble(0.1)->toString(), QStringLiteral("0.1"));  // the shortest text, not the binary value
    EXPECT_EQ(Decimal::fromDouble(-2.5e-3)->toString(), QStringLiteral("-0.0025"));
    EXPECT_EQ(Decimal::fromDouble(1e30), std::nullopt);
    EXPECT_EQ(Decimal::fromDouble(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(Decimal::fromDouble(-std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_DOUBLE_EQ(Decimal::parse(u"-12.5")->toDouble(), -12.5);
    EXPECT_DOUBLE_EQ(Decimal::parse(u"1e28")->toDouble(), 1e28);
}

TEST(Decimal, ToStringReadsBackToTheSameValue) {
    for (const char16_t* text : {u"-0.0000000000000000000000000001", u"79228162514264337593543950330",
                                 u"3.1415926535897932384626433833", u"100", u"-42.000"}) {
        SCOPED_TRACE(QString::fromUtf16(text).toStdString());
        const Decimal d = *Decimal::parse(QStringView(text));
        const auto again = Decimal::parse(d.toString());
        ASSERT_TRUE(again);
        EXPECT_EQ(*again, d);
        EXPECT_EQ(again->toString(), d.toString());
    }
}

}  // namespace
}  // namespace ky
