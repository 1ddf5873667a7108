#include "report/template/value_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace ky {
namespace {

TEST(ValueText, DecimalsArePlainAtSinglePrecision) {
    const struct {
        double value;
        const char16_t* text;
    } cases[] = {
        {21, u"21"}, {29.7, u"29.7"}, {0.05, u"0.05"}, {-0.4, u"-0.4"}, {0, u"0"}, {-0.0, u"0"},
        {1133.5, u"1133.5"},
        {1.0 / 3, u"0.3333333"},        // seven significant digits
        {1e-7, u"0.0000001"},           // never an exponent
        {123456789, u"123456800"},      // what single precision keeps
        {29.700000762939453, u"29.7"},  // a value read back from single precision
    };
    for (const auto& c : cases) EXPECT_EQ(writeDecimal(c.value), QString::fromUtf16(c.text)) << c.value;
}

TEST(ValueText, DecimalsBeyondSinglePrecisionSaturateAndReadBackAsWritten) {
    for (double huge : {1e45, -1e45}) {
        const QString written = writeDecimal(huge);
        EXPECT_FALSE(written.contains(u'e')) << written.toStdString();
        EXPECT_EQ(static_cast<float>(readNumber(written)), huge > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max());
        EXPECT_EQ(writeDecimal(readNumber(written)), written);
    }
}

TEST(ValueText, NumbersAreReadLeniently) {
    const struct {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"21", 21}, {u"29.7", 29.7}, {u"-0.4", -0.4}, {u"  12", 12}, {u"+3", 3}, {u".5", 0.5},
        {u"12abc", 12},  // leading digits count
        {u"1e3", 1000}, {u"1e", 1}, {u"2E-2x", 0.02},
        {u"", 0}, {u"abc", 0}, {u"-", 0}, {u".", 0}, {u"1e999", 0},  // unreadable or out of range
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(readNumber(QString::fromUtf16(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();
}

TEST(ValueText, FlagsAreTrueAndFalse) {
    EXPECT_EQ(writeFlag(true), QStringLiteral("True"));
    EXPECT_EQ(writeFlag(false), QStringLiteral("False"));
    EXPECT_EQ(readFlag(u"True"), true);
    EXPECT_EQ(readFlag(u" false "), false);
    EXPECT_EQ(readFlag(u"-1"), true);
    EXPECT_EQ(readFlag(u"0"), false);
    EXPECT_EQ(readFlag(u""), std::nullopt);
    EXPECT_EQ(readFlag(u"yes"), std::nullopt);
}

TEST(ValueText, TwoSpacesInACaptionBecomeOneIdeographicSpace) {
    EXPECT_EQ(captionForWriting(QStringLiteral("A  B")), QStringLiteral("A\u3000B"));
    EXPECT_EQ(captionForWriting(QStringLiteral("A   B")), QStringLiteral("A\u3000 B"));  // left to right
    EXPECT_EQ(captionForWriting(QStringLiteral("A    B")), QStringLiteral("A\u3000\u3000B"));
    EXPECT_EQ(captionForWriting(QStringLiteral("A B")), QStringLiteral("A B"));
}

}  // namespace
}  // namespace ky
