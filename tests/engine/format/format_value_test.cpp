#include "report/engine/format/format_value.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

struct FormatCase {
    const char* name;
    Value value;
    FormatOptions options;
    const char16_t* expected;
};

FormatOptions decimals(int xsws) {
    FormatOptions o;
    o.XSWS = xsws;
    return o;
}

FormatOptions interval(double xyjg, int xsws = -1) {
    FormatOptions o;
    o.XYJG = xyjg;
    o.XSWS = xsws;
    return o;
}

FormatOptions kind(int format, QString pattern = {}, int xsws = -1) {
    FormatOptions o;
    o.Format = format;
    o.CusFormat = std::move(pattern);
    o.XSWS = xsws;
    return o;
}

FormatOptions zero(bool isNull, QString replacement, int xsws = -1) {
    FormatOptions o;
    o.ZeroIsNull = isNull;
    o.RPZero = std::move(replacement);
    o.XSWS = xsws;
    return o;
}

FormatOptions suffix(QString text) {
    FormatOptions o;
    o.suffix = std::move(text);
    return o;
}

// The options for a text field: its value is never read as a number.
FormatOptions textField(FormatOptions o) {
    o.numeric = false;
    return o;
}

class FormatValueTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTest, ShowsTheValue) {
    const FormatCase& c = GetParam();
    const FormattedValue shown = FormatValue(c.value, c.options);
    EXPECT_EQ(shown.text, QString::fromUtf16(c.expected));
    EXPECT_FALSE(shown.isQrCode);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatValueTest,
    testing::Values(
        // Decimal places round half to even on the printed digits.
        FormatCase{"tie_down", 2.25, decimals(1), u"2.2"}, FormatCase{"tie_up", 2.35, decimals(1), u"2.4"},
        FormatCase{"beyond_tie", 2.2501, decimals(1), u"2.3"},
        // On the decimal digits 1.015 is a tie (the expression helper XSWS, on the binary value, gives 1.01).
        FormatCase{"decimal_tie", 1.015, decimals(2), u"1.02"}, FormatCase{"pads", 3, decimals(2), u"3.00"},
        FormatCase{"no_places", 2.5, decimals(0), u"2"}, FormatCase{"negative", -1.25, decimals(1), u"-1.2"},
        FormatCase{"numeric_text", u"12.345"_qs, decimals(2), u"12.34"},
        FormatCase{"own_places", 1.5, decimals(-1), u"1.5"}, FormatCase{"leading_point", u".5"_qs, decimals(-1), u"0.5"},
        // Empty, null and empty text count as 0.
        FormatCase{"null_is_zero", Value::null(), decimals(1), u"0.0"}, FormatCase{"empty_text", u""_qs, {}, u"0"},
        FormatCase{"zero_is_null", 0, zero(true, {}), u""}, FormatCase{"zero_is_null_suffix", 0.0, [] {
                       FormatOptions o = zero(true, {});
                       o.suffix = u"mg"_qs;
                       return o;
                   }(), u""},
        FormatCase{"zero_replaced", 0, zero(false, u"-"_qs), u"-"}, FormatCase{"blank_replacement", 0, zero(false, u" "_qs, 1), u"0.0"},
        FormatCase{"numeric_replacement", 0, zero(false, u"0"_qs, 2), u"0.00"},
        // The interval count rounds half to even: 4.52 and 5.48 both round to 5.
        FormatCase{"interval_up", 2.26, interval(0.5), u"2.5"}, FormatCase{"interval_down", 2.74, interval(0.5), u"2.5"},
        FormatCase{"interval_whole", 7.5, interval(5), u"10"}, FormatCase{"interval_places", 0.3, interval(0.1, 3), u"0.300"},
        FormatCase{"long_date", u"2004-09-03"_qs, kind(formatkind::LongDate), u"2004年09月03日"},
        FormatCase{"short_date", OleDate{38233.5} /* 2004-09-03 12:00 */, kind(formatkind::ShortDate), u"2004-09-03"},
        FormatCase{"text_unchanged", u"阴性"_qs, kind(formatkind::LongDate), u"阴性"},
        FormatCase{"text_pattern", u"abc"_qs, kind(formatkind::Custom, u">@@@@"_qs), u" ABC"},
        FormatCase{"custom_number", 1234.5, kind(formatkind::Custom, u"#,##0.00"_qs), u"1,234.50"},
        FormatCase{"custom_after_places", 2.25, kind(formatkind::Custom, u"0.000"_qs, 1), u"2.200"},
        FormatCase{"custom_date", u"2024-03-05 08:07"_qs, kind(formatkind::Custom, u"yyyy年m月d日 hh:nn"_qs), u"2024年3月5日 08:07"},
        FormatCase{"amount", 10005.07, kind(formatkind::ChineseAmount), u"壹万零伍元零柒分"},
        FormatCase{"amount_rounded", 1200.499, kind(formatkind::ChineseAmount, {}, 1), u"壹仟贰佰元零伍角整"},
        FormatCase{"amount_zero", 0, kind(formatkind::ChineseAmount), u"零"},
        FormatCase{"suffix_and_breaks", 5, suffix(u"mmol/L[/n]参考"_qs), u"5mmol/L\r参考"},
        FormatCase{"superscripts", u"10^9/L ²³"_qs, {}, u"10^9/L \uE00B\uE00C"},
        FormatCase{"short_qr_text", u"12345"_qs, kind(formatkind::QrCode), u"12345"},
        // A text field's value stays text: no places, no zero rules, and empty stays empty.
        FormatCase{"text_field_keeps_zeros", u"00123"_qs, textField(decimals(2)), u"00123"},
        FormatCase{"text_field_zero", u"0"_qs, textField(zero(false, u"/"_qs)), u"0"},
        FormatCase{"text_field_empty", u""_qs, textField(zero(false, u"/"_qs)), u""},
        FormatCase{"text_field_date", u"2004-09-03"_qs, textField(kind(formatkind::LongDate)), u"2004年09月03日"},
        FormatCase{"text_field_pattern", u"12"_qs, textField(kind(formatkind::Custom, u">@@@@"_qs)), u"  12"}),
    [](const testing::TestParamInfo<FormatCase>& param) { return std::string(param.param.name); });

TEST(FormatValue, LongTextUnderFormatSixIsAQrCode) {
    const FormattedValue shown = FormatValue(u"ABC123²"_qs, kind(formatkind::QrCode));
    EXPECT_TRUE(shown.isQrCode);
    EXPECT_EQ(shown.text, u"ABC123²"_qs);  // the code carries the text as it is
}

TEST(FormatValue, HugeDecimalPlacesStayBounded) {
    EXPECT_EQ(FormatValue(1.5, decimals(2147483647)).text, u"1.5"_qs + QString(27, u'0'));
}

}  // namespace
}  // namespace ky
