#include "report/engine/expression/expression_evaluator.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ky {
namespace {

// 2024-03-05 14:07:09 local time: a fixed clock for Now, Date and Time.
ExpressionEvaluator fixedEvaluator() {
    return ExpressionEvaluator([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); },
                               [] { return Guid::parse(u"6F9619FF-8B86-D011-B42D-00C04FC964FF").value(); });
}

// The result as "Kind:text", so that the kind the language gives is checked too.
QString described(const Value& v) {
    if (v == Value(expressionErrorText())) return expressionErrorText();
    return kindName(v.kind()) + u':' + v.toText();
}

struct ExpressionCase {
    const char16_t* expression;
    const char16_t* expected;  // "Kind:text", or the error text
};

void PrintTo(const ExpressionCase& c, std::ostream* out) { *out << QString::fromUtf16(c.expression).toStdString(); }

class ExpressionTest : public testing::TestWithParam<ExpressionCase> {};

TEST_P(ExpressionTest, Evaluates) {
    EXPECT_EQ(described(fixedEvaluator().EvaluateExpression(QString::fromUtf16(GetParam().expression))),
              QString::fromUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Literals, ExpressionTest,
    testing::Values(ExpressionCase{u"42", u"Integer:42"}, ExpressionCase{u"40000", u"Long:40000"},
                    ExpressionCase{u"3000000000", u"Double:3000000000"}, ExpressionCase{u"1.5E3", u"Double:1500"},
                    ExpressionCase{u".5", u"Double:0.5"}, ExpressionCase{u"&HFF", u"Integer:255"},
                    ExpressionCase{u"&HFFFF", u"Integer:-1"}, ExpressionCase{u"&H10000", u"Long:65536"},
                    ExpressionCase{u"&O17", u"Integer:15"}, ExpressionCase{u"\"a\"\"b\"", u"String:a\"b"},
                    ExpressionCase{u"#2024-03-05#", u"Date:2024/3/5"}, ExpressionCase{u"#3/5/2024 8:07 PM#", u"Date:2024/3/5 20:07:00"},
                    ExpressionCase{u"true", u"Boolean:True"}, ExpressionCase{u"Empty", u"Empty:"},
                    ExpressionCase{u"Null", u"Null:"}, ExpressionCase{u"vbCrLf", u"String:\r\n"},
                    ExpressionCase{u"VBTEXTCOMPARE", u"Integer:1"}));

INSTANTIATE_TEST_SUITE_P(
    Precedence, ExpressionTest,
    testing::Values(ExpressionCase{u"1 + 2 * 3", u"Integer:7"}, ExpressionCase{u"-2 ^ 2", u"Double:-4"},
                    ExpressionCase{u"2 ^ 3 ^ 2", u"Double:64"}, ExpressionCase{u"2 ^ -1", u"Double:0.5"},
                    ExpressionCase{u"7 \\ 2 * 3", u"Integer:1"},  // * before \: 7 \ 6
                    ExpressionCase{u"10 Mod 4 \\ 2", u"Integer:0"}, ExpressionCase{u"1 + 2 & 3", u"String:33"},
                    ExpressionCase{u"Not 1 = 2", u"Boolean:True"}, ExpressionCase{u"True Or False And False", u"Boolean:True"},
                    ExpressionCase{u"True Xor True Or True", u"Boolean:False"}, ExpressionCase{u"False Imp False", u"Boolean:True"},
                    ExpressionCase{u"1 Eqv 1", u"Integer:-1"}, ExpressionCase{u"(1 + 2) * 3", u"Integer:9"},
                    ExpressionCase{u"6 And 3", u"Integer:2"}, ExpressionCase{u"Not 0", u"Integer:-1"}));

INSTANTIATE_TEST_SUITE_P(
    Conversions, ExpressionTest,
    testing::Values(ExpressionCase{u"32767 + 1", u"Long:32768"}, ExpressionCase{u"2147483647 + 1", u"Double:2147483648"},
                    ExpressionCase{u"\"3\" * 2", u"Double:6"}, ExpressionCase{u"\"3\" + \"4\"", u"String:34"},
                    ExpressionCase{u"\"3\" + 4", u"Double:7"}, ExpressionCase{u"Empty + 1", u"Integer:1"},
                    ExpressionCase{u"True + 1", u"Integer:0"}, ExpressionCase{u"1 / 4", u"Double:0.25"},
                    ExpressionCase{u"0.1 + 0.2", u"Double:0.3"}, ExpressionCase{u"#2024-03-05# + 1", u"Date:2024/3/6"},
                    ExpressionCase{u"#2024-03-05# - #2024-03-01#", u"Double:4"}, ExpressionCase{u"Null + 1", u"Null:"},
                    ExpressionCase{u"Null & \"a\"", u"String:a"}, ExpressionCase{u"\"a\" & 1.5", u"String:a1.5"},
                    ExpressionCase{u"0 * 2", u"Integer:0"},  // a null numeric field is substituted as 0
                    ExpressionCase{u"\"10\" > 9", u"Boolean:True"}, ExpressionCase{u"\"abc\" > 9", u"Boolean:True"},
                    ExpressionCase{u"\"a\" < \"b\"", u"Boolean:True"}, ExpressionCase{u"\"a\" = \"A\"", u"Boolean:False"},
                    ExpressionCase{u"Empty = \"\"", u"Boolean:True"}, ExpressionCase{u"Empty = 0", u"Boolean:True"},
                    ExpressionCase{u"Null = Null", u"Null:"}, ExpressionCase{u"Null And False", u"Boolean:False"},
                    ExpressionCase{u"Null Or True", u"Boolean:True"}, ExpressionCase{u"Not Null", u"Null:"},
                    ExpressionCase{u"-(-32768)", u"Long:32768"}));

INSTANTIATE_TEST_SUITE_P(
    TextFunctions, ExpressionTest,
    testing::Values(ExpressionCase{u"Len(\"检验报告\")", u"Long:4"}, ExpressionCase{u"Len(Null)", u"Null:"},
                    ExpressionCase{u"Len(123)", u"Long:3"}, ExpressionCase{u"Left(\"abcdef\", 2) & Right(\"abcdef\", 2)", u"String:abef"},
                    ExpressionCase{u"Mid(\"abcdef\", 3)", u"String:cdef"}, ExpressionCase{u"Mid(\"abcdef\", 3, 2)", u"String:cd"},
                    ExpressionCase{u"Mid(\"abc\", 9)", u"String:"}, ExpressionCase{u"InStr(\"abcabc\", \"c\")", u"Long:3"},
                    ExpressionCase{u"InStr(4, \"abcabc\", \"c\")", u"Long:6"}, ExpressionCase{u"InStr(1, \"ABC\", \"b\", 1)", u"Long:2"},
                    ExpressionCase{u"InStrRev(\"abcabc\", \"b\")", u"Long:5"}, ExpressionCase{u"lcase(\"AbC\") & UCASE(\"x\")", u"String:abcX"},
                    ExpressionCase{u"\"[\" & Trim(\"  a  \") & LTrim(\" b \") & RTrim(\" c \") & \"]\"", u"String:[ab  c]"},
                    ExpressionCase{u"Replace(\"a-b-c\", \"-\", \"+\")", u"String:a+b+c"},
                    ExpressionCase{u"Replace(\"a-b-c\", \"-\", \"\", 3, 1)", u"String:bc"},
                    ExpressionCase{u"Replace(\"aXa\", \"x\", \"y\", 1, -1, vbTextCompare)", u"String:aya"},
                    ExpressionCase{u"Space(2) & String(3, \"xy\") & String(2, 65)", u"String:  xxxAA"},
                    ExpressionCase{u"StrReverse(\"abc\")", u"String:cba"}, ExpressionCase{u"StrComp(\"a\", \"B\", 1)", u"Integer:-1"},
                    ExpressionCase{u"Asc(\"A\") + AscW(\"中\")", u"Integer:20078"}, ExpressionCase{u"Chr(65) & ChrW(20013)", u"String:A中"}));

INSTANTIATE_TEST_SUITE_P(
    ConversionFunctions, ExpressionTest,
    testing::Values(ExpressionCase{u"CInt(2.5) & CInt(3.5)", u"String:24"}, ExpressionCase{u"CLng(\"1,234\")", u"Long:1234"},
                    ExpressionCase{u"CDbl(\"1.5e2\")", u"Double:150"}, ExpressionCase{u"CBool(\"true\")", u"Boolean:True"},
                    ExpressionCase{u"CBool(0)", u"Boolean:False"}, ExpressionCase{u"CByte(255)", u"Integer:255"},
                    ExpressionCase{u"CCur(1.23456)", u"Currency:1.2346"}, ExpressionCase{u"CSng(1.5)", u"Single:1.5"},
                    ExpressionCase{u"CDate(\"2024-03-05 08:00\")", u"Date:2024/3/5 8:00:00"}, ExpressionCase{u"CStr(1/3)", u"String:0.333333333333333"},
                    ExpressionCase{u"Hex(255) & \",\" & Hex(-1) & \",\" & Hex(-40000)", u"String:FF,FFFF,FFFF63C0"},
                    ExpressionCase{u"Hex(40000) & \",\" & Oct(8)", u"String:9C40,10"},
                    ExpressionCase{u"Fix(-2.5) & Int(-2.5)", u"String:-2-3"}, ExpressionCase{u"Abs(-3)", u"Integer:3"},
                    ExpressionCase{u"Sgn(-0.1)", u"Integer:-1"}, ExpressionCase{u"Round(2.5)", u"Double:2"},
                    ExpressionCase{u"Round(1.015, 2)", u"Double:1.01"}  /* 101.49999999999999 */, ExpressionCase{u"Round(0.125, 2)", u"Double:0.12"}));

INSTANTIATE_TEST_SUITE_P(
    MathFunctions, ExpressionTest,
    testing::Values(ExpressionCase{u"Sqr(16)", u"Double:4"}, ExpressionCase{u"Exp(0) + Log(1)", u"Double:1"},
                    ExpressionCase{u"Round(Sin(0) + Cos(0) + Tan(0) + Atn(1) * 4, 6)", u"Double:4.141593"},
                    ExpressionCase{u"Rnd()", u"Single:0.7055475"}, ExpressionCase{u"Rnd", u"Single:0.7055475"}));

INSTANTIATE_TEST_SUITE_P(
    DateFunctions, ExpressionTest,
    testing::Values(ExpressionCase{u"Now", u"Date:2024/3/5 14:07:09"}, ExpressionCase{u"Date()", u"Date:2024/3/5"},
                    ExpressionCase{u"Time", u"Date:14:07:09"},
                    ExpressionCase{u"Year(Now) & \"-\" & Month(Now) & \"-\" & Day(Now)", u"String:2024-3-5"},
                    ExpressionCase{u"Hour(Now) * 10000 + Minute(Now) * 100 + Second(Now)", u"Long:140709"},
                    ExpressionCase{u"Weekday(#2024-03-05#)", u"Integer:3"}, ExpressionCase{u"Weekday(#2024-03-05#, vbMonday)", u"Integer:2"},
                    ExpressionCase{u"WeekdayName(3)", u"String:星期二"}, ExpressionCase{u"MonthName(3, True)", u"String:3月"},
                    ExpressionCase{u"DateAdd(\"m\", 1, #2024-01-31#)", u"Date:2024/2/29"},
                    ExpressionCase{u"DateAdd(\"h\", 12, #2024-03-05 14:00#)", u"Date:2024/3/6 2:00:00"},
                    ExpressionCase{u"DateDiff(\"d\", #2024-03-01 23:00#, #2024-03-02 01:00#)", u"Long:1"},
                    ExpressionCase{u"DateDiff(\"yyyy\", #2023-12-31#, #2024-01-01#)", u"Long:1"},
                    ExpressionCase{u"DateDiff(\"n\", #2024-03-05 08:00#, #2024-03-05 09:30#)", u"Long:90"},
                    ExpressionCase{u"DatePart(\"q\", #2024-08-05#)", u"Integer:3"},
                    ExpressionCase{u"DateSerial(2024, 14, 1)", u"Date:2025/2/1"}, ExpressionCase{u"DateSerial(24, 1, 0)", u"Date:2023/12/31"},
                    ExpressionCase{u"TimeSerial(25, 0, 0)", u"Date:1899/12/31 1:00:00"},
                    ExpressionCase{u"DateValue(\"2024-03-05 08:00\")", u"Date:2024/3/5"},
                    ExpressionCase{u"TimeValue(\"2024-03-05 08:00\")", u"Date:8:00:00"}));

INSTANTIATE_TEST_SUITE_P(
    FormatAndTypeFunctions, ExpressionTest,
    testing::Values(ExpressionCase{u"FormatNumber(1234.5)", u"String:1,234.50"}, ExpressionCase{u"FormatNumber(0.5, 0)", u"String:1"},
                    ExpressionCase{u"FormatNumber(-0.5, 1, 0, -1, 0)", u"String:(.5)"},
                    ExpressionCase{u"FormatCurrency(1234.5)", u"String:¥1,234.50"}, ExpressionCase{u"FormatPercent(0.256, 1)", u"String:25.6%"},
                    ExpressionCase{u"FormatDateTime(#2024-03-05 14:07#, vbLongDate)", u"String:2024年3月5日"},
                    ExpressionCase{u"FormatDateTime(#2024-03-05 14:07#, 4)", u"String:14:07"},
                    ExpressionCase{u"IsNumeric(\"12.5\") & IsNumeric(\"12a\") & IsNumeric(Empty)", u"String:TrueFalseTrue"},
                    ExpressionCase{u"IsDate(\"2024-03-05\") & IsDate(\"x\") & IsEmpty(Empty) & IsNull(Null)", u"String:TrueFalseTrueTrue"},
                    ExpressionCase{u"TypeName(1) & TypeName(1.5) & TypeName(\"\") & TypeName(Null)", u"String:IntegerDoubleStringNull"},
                    ExpressionCase{u"VarType(Now)", u"Integer:7"}));

INSTANTIATE_TEST_SUITE_P(
    Helpers, ExpressionTest,
    testing::Values(ExpressionCase{u"IIF(2 > 1, \"高\", \"低\")", u"String:高"}, ExpressionCase{u"iif(Null, 1, 2)", u"Integer:2"},
                    ExpressionCase{u"Val(\"12.5\") + Val(\"12abc\")", u"Double:12.5"}, ExpressionCase{u"Val(\"\")", u"Integer:0"},
                    // XSWS rounds half to even on the binary double and groups thousands.
                    ExpressionCase{u"XSWS(2.25, 1)", u"String:2.2"}, ExpressionCase{u"XSWS(2.35, 1)", u"String:2.4"},
                    ExpressionCase{u"XSWS(1.015, 2)", u"String:1.01"}, ExpressionCase{u"XSWS(\"1234.5\", 2)", u"String:1,234.50"},
                    ExpressionCase{u"XSWS(\"阴性\", 1)", u"String:0.0"}, ExpressionCase{u"GetGUID()", u"String:6F9619FF-8B86-D011-B42D-00C04FC964FF"},
                    ExpressionCase{u"getguid", u"String:6F9619FF-8B86-D011-B42D-00C04FC964FF"}));

// Names that are no function are unset variables: Empty.
INSTANTIATE_TEST_SUITE_P(UnsetNames, ExpressionTest,
                         testing::Values(ExpressionCase{u"[体重] * 2", u"Integer:0"}, ExpressionCase{u"Missing & \"x\"", u"String:x"},
                                         ExpressionCase{u"IsEmpty([No Such Field])", u"Boolean:True"}));

INSTANTIATE_TEST_SUITE_P(
    Errors, ExpressionTest,
    testing::Values(ExpressionCase{u"", u"表达式错误"}, ExpressionCase{u"1 +", u"表达式错误"}, ExpressionCase{u"(1", u"表达式错误"},
                    ExpressionCase{u"1 2", u"表达式错误"}, ExpressionCase{u"\"open", u"表达式错误"}, ExpressionCase{u"#2024-13-45#", u"表达式错误"},
                    ExpressionCase{u"Foo(1)", u"表达式错误"},
                    ExpressionCase{u"\"abc\" * 2", u"表达式错误"}, ExpressionCase{u"1 / 0", u"表达式错误"}, ExpressionCase{u"1 \\ 0", u"表达式错误"},
                    ExpressionCase{u"5 Mod 0", u"表达式错误"}, ExpressionCase{u"10 ^ 400", u"表达式错误"}, ExpressionCase{u"CInt(40000)", u"表达式错误"},
                    ExpressionCase{u"Left(\"a\")", u"表达式错误"}, ExpressionCase{u"Len(\"a\", 2)", u"表达式错误"},
                    ExpressionCase{u"Left(\"a\", -1)", u"表达式错误"}, ExpressionCase{u"Sqr(-1)", u"表达式错误"},
                    ExpressionCase{u"CStr(Null)", u"表达式错误"}, ExpressionCase{u"IIF(\"x\", 1, 2)", u"表达式错误"},
                    ExpressionCase{u"XSWS(1, -1)", u"表达式错误"}, ExpressionCase{u"CreateObject(\"WScript.Shell\")", u"表达式错误"},
                    ExpressionCase{u"GetObject(\"x\")", u"表达式错误"}, ExpressionCase{u"Nothing Is Nothing", u"表达式错误"},
                    ExpressionCase{u"x.y", u"表达式错误"}, ExpressionCase{u"1: 2", u"表达式错误"}, ExpressionCase{u"1\n+1", u"表达式错误"},
                    ExpressionCase{u"String(1e9, \"x\")", u"表达式错误"}, ExpressionCase{u"Space(2000000)", u"表达式错误"},
                    ExpressionCase{u"Replace(Space(2000), \" \", Space(2000))", u"表达式错误"},
                    ExpressionCase{u"DateAdd(\"yyyy\", 9000, #2024-01-01#)", u"表达式错误"},
                    ExpressionCase{u"FormatNumber(1, 1000)", u"表达式错误"}));

TEST(ExpressionEvaluator, DeepNestingFailsInsteadOfExhaustingTheStack) {
    const ExpressionEvaluator evaluator;
    EXPECT_EQ(evaluator.EvaluateExpression(QString(100000, u'(') + u"1"_qs + QString(100000, u')')), Value(expressionErrorText()));
    EXPECT_EQ(evaluator.EvaluateExpression(QString(100000, u'-') + u"1"_qs), Value(expressionErrorText()));
    EXPECT_EQ(evaluator.EvaluateExpression(QString(50, u'(') + u"1"_qs + QString(50, u')')), Value(std::int16_t{1}));
}

TEST(ExpressionEvaluator, EveryEvaluationStartsAfresh) {
    const ExpressionEvaluator evaluator = fixedEvaluator();
    EXPECT_EQ(evaluator.EvaluateExpression(u"Rnd() & \",\" & Rnd()"), evaluator.EvaluateExpression(u"Rnd() & \",\" & Rnd()"));
    EXPECT_FALSE(evaluator.evaluate(u"1 +").has_value());
}

TEST(ExpressionEvaluator, GuidsAreFreshWithoutASource) {
    const ExpressionEvaluator evaluator;
    const QString a = evaluator.EvaluateExpression(u"GetGUID()").toText();
    EXPECT_EQ(a.size(), 36);
    EXPECT_FALSE(a.contains(u'{'));
    EXPECT_NE(a, evaluator.EvaluateExpression(u"GetGUID()").toText());
}

}  // namespace
}  // namespace ky
