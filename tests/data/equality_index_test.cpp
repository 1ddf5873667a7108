#include "report/data/equality_index.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace ky {
namespace {

using Rows = std::vector<std::uint32_t>;

// Every distinct value's rows through the index, against a scan of the column.
void expectIndexMatchesScan(const std::vector<Value>& values, FieldCategory category, const char* why) {
    const ValueColumn column(values);
    const EqualityIndex index(column, category);
    for (const Value& probe : values) {
        const CompareKey key = compareKeyOf(probe, category);
        if (key.kind == CompareKey::Kind::Null || key.kind == CompareKey::Kind::Invalid) continue;
        Rows expected;
        for (std::size_t row = 0; row < column.size(); ++row)
            if (keysEqual(compareKeyOf(column[row], category), key)) expected.push_back(static_cast<std::uint32_t>(row));
        const auto found = index.rowsEqualTo(key, column);
        EXPECT_EQ(Rows(found.begin(), found.end()), expected) << why << ", probe " << probe.toText().toStdString();
    }
}

Value text(const char16_t* t) { return Value(QString::fromUtf16(t)); }

TEST(EqualityIndex, FindsEveryGroupWhateverTheOrderOfRows) {
    const Value null = Value::null();
    // Rows grouped by value are laid out in one pass; the first row that
    // returns to an earlier value switches to the two-pass layout, which
    // must keep the rows seen before it.
    expectIndexMatchesScan({text(u"a"), text(u"a"), text(u"b"), text(u"b"), text(u"c")}, FieldCategory::Text, "grouped");
    expectIndexMatchesScan({text(u"a"), text(u"b"), text(u"a"), text(u"c"), text(u"b"), text(u"a")}, FieldCategory::Text,
                           "interleaved");
    expectIndexMatchesScan({text(u"a"), text(u"a"), text(u"b"), text(u"b"), text(u"A"), text(u"c"), text(u"B")},
                           FieldCategory::Text, "grouped, then back to earlier values in another case");
    expectIndexMatchesScan({null, text(u"x"), null, text(u"x"), Value(), text(u"y")}, FieldCategory::Text,
                           "nulls between equal values");
    expectIndexMatchesScan({Value(1.0), Value(-0.0), Value(0.0), Value(std::nan("")), Value(1), Value(2.5)},
                           FieldCategory::Numeric, "numbers: -0 is 0, 1 is 1.0, NaN equals nothing");
}

TEST(EqualityIndex, NullsAndUnknownValuesFindNothing) {
    const ValueColumn column(std::vector<Value>{Value::null(), text(u"a"), Value::null()});
    const EqualityIndex index(column, FieldCategory::Text);
    EXPECT_TRUE(index.rowsEqualTo(compareKeyOf(text(u"zzz"), FieldCategory::Text), column).empty());
    EXPECT_TRUE(index.rowsEqualTo(CompareKey{}, column).empty());
}

}  // namespace
}  // namespace ky
