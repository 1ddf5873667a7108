#include "report/data/field_type.h"

#include "data/record_set_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>

namespace ky {
namespace {

using test::field;
namespace ft = fieldtype;

TEST(FieldType, ThirteenNumericCodesAndBooleanIsNotOne) {
    const int numeric[] = {ft::SmallInt,        ft::Integer,          ft::Single,      ft::Double, ft::Currency,
                           ft::Decimal,         ft::TinyInt,          ft::UnsignedTinyInt, ft::UnsignedSmallInt,
                           ft::UnsignedInt,     ft::BigInt,           ft::UnsignedBigInt, ft::Numeric};
    for (int code = 0; code < 300; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(isNumericFieldType(code), std::find(std::begin(numeric), std::end(numeric), code) != std::end(numeric));
    }
    EXPECT_EQ(fieldCategory(ft::Boolean), FieldCategory::Boolean);
    for (int code : {ft::Binary, ft::VarBinary, ft::LongVarBinary}) EXPECT_TRUE(isBinaryFieldType(code)) << code;
    for (int code : {ft::Date, ft::DbDate, ft::DbTime, ft::DbTimeStamp}) EXPECT_EQ(fieldCategory(code), FieldCategory::Date) << code;
    for (int code : {ft::BStr, ft::Char, ft::WChar, ft::VarChar, ft::LongVarChar, ft::VarWChar, ft::LongVarWChar})
        EXPECT_EQ(fieldCategory(code), FieldCategory::Text) << code;
    for (int code : {ft::Variant, ft::Guid, 0, 999}) EXPECT_EQ(fieldCategory(code), FieldCategory::Other) << code;
}

struct CoerceCase {
    const char* why;
    FieldInfo field;
    Value input;
    std::optional<Value> stored;  // nothing: refused
};

const FieldInfo kText = field(QStringLiteral("Name"), ft::VarWChar, ft::wideTextSize);
const FieldInfo kBool = field(QStringLiteral("Paid"), ft::Boolean);
const FieldInfo kBinary = field(QStringLiteral("Photo"), ft::VarBinary, 4);
const FieldInfo kLongBinary = field(QStringLiteral("Scan"), ft::LongVarBinary, 0);
const FieldInfo kInteger = field(QStringLiteral("Age"), ft::Integer);
const FieldInfo kDate = field(QStringLiteral("Born"), ft::Date);

FieldInfo numeric(int type) { return field(QStringLiteral("N"), type); }

QString repeated(qsizetype n) { return QString(n, u'x'); }

const CoerceCase kCoerceCases[] = {
    // Null and empty.
    {"null into a nullable field stays null", kText, Value::null(), Value::null()},
    {"empty into a nullable field is stored as null", kInteger, Value(), Value::null()},
    {"null into a non-nullable field is refused", field(QStringLiteral("Id"), ft::Integer, 0, false), Value::null(), std::nullopt},
    {"empty into a non-nullable field is refused", field(QStringLiteral("Id"), ft::VarWChar, 10, false), Value(), std::nullopt},

    // Boolean fields: booleans and their names, no numbers.
    {"boolean", kBool, Value(true), Value(true)},
    {"the name True", kBool, Value(QStringLiteral("True")), Value(true)},
    {"the name false, any case", kBool, Value(QStringLiteral("false")), Value(false)},
    {"an integer is refused", kBool, Value(1), std::nullopt},
    {"a double is refused", kBool, Value(0.0), std::nullopt},
    {"another word is refused", kBool, Value(QStringLiteral("yes")), std::nullopt},
    {"bytes are refused", kBool, Value(QByteArray("\1")), std::nullopt},

    // Text fields: anything but bytes, as text, within the defined size.
    {"text at the defined size", kText, Value(repeated(255)), Value(repeated(255))},
    {"text one past the defined size", kText, Value(repeated(256)), std::nullopt},
    {"the size counts characters, not bytes", field(QStringLiteral("C"), ft::VarWChar, 2), Value(QStringLiteral("你好")),
     Value(QStringLiteral("你好"))},
    {"size 0 means no limit", field(QStringLiteral("Memo"), ft::LongVarWChar, 0), Value(repeated(100000)), Value(repeated(100000))},
    {"an integer becomes its text", kText, Value(42), Value(QStringLiteral("42"))},
    {"a boolean becomes its name", kText, Value(true), Value(QStringLiteral("True"))},
    {"a double in the scripting format", kText, Value(1e20), Value(QStringLiteral("1E+20"))},
    {"a date in the report format", kText, Value(OleDate{45356}), Value(QStringLiteral("2024/3/5"))},
    {"the converted text is what the size limits", field(QStringLiteral("C"), ft::Char, 3), Value(1234), std::nullopt},
    {"empty text is text, not null", kText, Value(QString()), Value(QString())},
    {"bytes are refused", kText, Value(QByteArray("ab")), std::nullopt},

    // Numeric fields.
    {"numeric text is read", kInteger, Value(QStringLiteral(" 12 ")), Value(12)},
    {"non-numeric text is refused", kInteger, Value(QStringLiteral("abc")), std::nullopt},
    {"empty text is refused", kInteger, Value(QString()), std::nullopt},
    {"halves round to even", kInteger, Value(2.5), Value(2)},
    {"halves round to even", kInteger, Value(3.5), Value(4)},
    {"true is -1", kInteger, Value(true), Value(-1)},
    {"a date is refused", kInteger, Value(OleDate{1}), std::nullopt},
    {"bytes are refused", kInteger, Value(QByteArray("1")), std::nullopt},
    {"Integer holds 2^31-1", kInteger, Value(2147483647LL), Value(2147483647)},
    {"Integer stops at 2^31-1", kInteger, Value(2147483648LL), std::nullopt},
    {"Integer stops at -2^31", kInteger, Value(-2147483649LL), std::nullopt},
    {"rounding can carry past the top", kInteger, Value(2147483647.5), std::nullopt},
    {"SmallInt holds -32768", numeric(ft::SmallInt), Value(-32768), Value(std::int16_t{-32768})},
    {"SmallInt stops at 32767", numeric(ft::SmallInt), Value(32768), std::nullopt},
    {"TinyInt is a signed byte", numeric(ft::TinyInt), Value(-128), Value(std::int16_t{-128})},
    {"TinyInt stops at 127", numeric(ft::TinyInt), Value(128), std::nullopt},
    {"UnsignedTinyInt holds 255", numeric(ft::UnsignedTinyInt), Value(255), Value(std::int16_t{255})},
    {"UnsignedTinyInt stops at 255", numeric(ft::UnsignedTinyInt), Value(256), std::nullopt},
    {"UnsignedTinyInt has no negatives", numeric(ft::UnsignedTinyInt), Value(-1), std::nullopt},
    {"UnsignedSmallInt holds 65535", numeric(ft::UnsignedSmallInt), Value(65535), Value(65535LL)},
    {"UnsignedSmallInt stops at 65535", numeric(ft::UnsignedSmallInt), Value(65536), std::nullopt},
    {"UnsignedInt holds 2^32-1", numeric(ft::UnsignedInt), Value(4294967295LL), Value(4294967295LL)},
    {"UnsignedInt has no negatives", numeric(ft::UnsignedInt), Value(-1), std::nullopt},
    {"UnsignedBigInt has no negatives", numeric(ft::UnsignedBigInt), Value(-1), std::nullopt},
    {"BigInt keeps every digit of a 64-bit integer", numeric(ft::BigInt), Value(9007199254740993LL), Value(9007199254740993LL)},
    {"BigInt holds the largest 64-bit integer", numeric(ft::BigInt), Value(std::numeric_limits<long long>::max()),
     Value(std::numeric_limits<long long>::max())},
    {"BigInt holds the smallest 64-bit integer", numeric(ft::BigInt), Value(std::numeric_limits<long long>::min()),
     Value(std::numeric_limits<long long>::min())},
    {"a double of 2^63 does not fit BigInt", numeric(ft::BigInt), Value(9223372036854775808.0), std::nullopt},
    {"NaN is no integer", numeric(ft::BigInt), Value(std::numeric_limits<double>::quiet_NaN()), std::nullopt},
    {"Single", numeric(ft::Single), Value(1.5), Value(1.5f)},
    {"Single range", numeric(ft::Single), Value(1e39), std::nullopt},
    {"Double from exponent text", numeric(ft::Double), Value(QStringLiteral("1e3")), Value(1000.0)},
    {"Double from a 32-bit integer", numeric(ft::Double), Value(7), Value(7.0)},
    {"Currency rounds to four places", numeric(ft::Currency), Value(1.23456), Value(Currency{12346})},
    {"Currency range", numeric(ft::Currency), Value(1e20), std::nullopt},
    {"Decimal from text keeps the digits", numeric(ft::Decimal), Value(QStringLiteral("0.1")), Value(*Decimal::parse(u"0.1"))},
    {"Decimal from a double takes its short text", numeric(ft::Numeric), Value(0.1), Value(*Decimal::parse(u"0.1"))},
    {"Decimal range", numeric(ft::Decimal), Value(1e30), std::nullopt},

    // Date fields.
    {"date text", kDate, Value(QStringLiteral("2024-03-05")), Value(OleDate{45356})},
    {"a day number", kDate, Value(45356.5), Value(OleDate{45356.5})},
    {"unreadable text is refused", kDate, Value(QStringLiteral("soon")), std::nullopt},
    {"a boolean is refused", kDate, Value(true), std::nullopt},

    // Binary fields: bytes only, within the defined size.
    {"bytes at the defined size", kBinary, Value(QByteArray("abcd")), Value(QByteArray("abcd"))},
    {"bytes past the defined size", kBinary, Value(QByteArray("abcde")), std::nullopt},
    {"empty bytes are bytes, not null", kBinary, Value(QByteArray()), Value(QByteArray())},
    {"size 0 means no limit", kLongBinary, Value(QByteArray(100000, 'x')), Value(QByteArray(100000, 'x'))},
    {"text is refused", kBinary, Value(QStringLiteral("ab")), std::nullopt},
    {"numbers are refused", kBinary, Value(1), std::nullopt},

    // Other types take any value as it is.
    {"a variant field keeps the kind", field(QStringLiteral("V"), ft::Variant), Value(std::int16_t{3}), Value(std::int16_t{3})},
};

void PrintTo(const CoerceCase& c, std::ostream* os) { *os << c.why; }

class CoerceToField : public ::testing::TestWithParam<CoerceCase> {};

TEST_P(CoerceToField, StoresOrRefuses) {
    const CoerceCase& c = GetParam();
    SCOPED_TRACE(c.why);
    const Result<Value> stored = coerceToField(c.field, c.input);
    if (!c.stored) {
        ASSERT_FALSE(stored) << "stored " << ::testing::PrintToString(stored.value());
        EXPECT_TRUE(stored.error().contains(c.field.name)) << stored.error().toStdString();
        return;
    }
    ASSERT_TRUE(stored) << stored.error().toStdString();
    EXPECT_EQ(stored.value().kind(), c.stored->kind());
    EXPECT_EQ(stored.value(), *c.stored);
}

// Filling skips the conversion when it would keep the value: it must then agree.
TEST_P(CoerceToField, TheShortcutKeepsOnlyWhatTheConversionKeeps) {
    const CoerceCase& c = GetParam();
    SCOPED_TRACE(c.why);
    if (!storedAsIs(c.field, c.input)) return;
    ASSERT_TRUE(c.stored.has_value());
    EXPECT_EQ(c.stored->kind(), c.input.kind());
    EXPECT_EQ(*c.stored, c.input);
}

INSTANTIATE_TEST_SUITE_P(Table, CoerceToField, ::testing::ValuesIn(kCoerceCases),
                         [](const ::testing::TestParamInfo<CoerceCase>& row) { return "row" + std::to_string(row.index); });

}  // namespace
}  // namespace ky
