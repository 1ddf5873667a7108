#include "report/data/record_filter.h"
#include "report/data/record_set.h"

#include "data/record_set_fixtures.h"

#include <gtest/gtest.h>

#include <limits>

namespace ky {
namespace {

using test::field;
using test::makeRecordSet;
using test::visibleIds;
namespace ft = fieldtype;
using Ids = std::vector<int>;

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Six people with every kind of field, nulls, case variants, -0 and NaN.
RecordSet people() {
    const Value null = Value::null();
    return makeRecordSet(
        {field(QStringLiteral("ID"), ft::Integer), field(QStringLiteral("Name"), ft::VarWChar, 50),
         field(QStringLiteral("Age"), ft::Integer), field(QStringLiteral("Score"), ft::Double),
         field(QStringLiteral("Paid"), ft::Boolean), field(QStringLiteral("Born"), ft::Date),
         field(QStringLiteral("Note"), ft::VarWChar, 50), field(QStringLiteral("Test Date"), ft::DbDate),
         field(QStringLiteral("Photo"), ft::VarBinary)},
        {
            {1, QStringLiteral("Li"), 30, 1.5, true, QStringLiteral("2024-03-05"), QStringLiteral("O'Brien"), null, QByteArray("ab")},
            {2, QStringLiteral("wang"), 45, -0.0, false, QStringLiteral("2023-01-01"), null, QStringLiteral("2024-01-01"), null},
            {3, QStringLiteral("LI"), 30, 0.0, true, null, QStringLiteral("x"), null, null},
            {4, QStringLiteral("Zhang"), null, 7.25, false, QStringLiteral("2024-03-05 08:00"), QStringLiteral("张三"), null, null},
            {5, QStringLiteral("li ming"), 12, 100.0, null, QStringLiteral("1999-12-31"), QString(), null, null},
            {6, QStringLiteral("Qian"), -5, kNaN, null, null, QStringLiteral("x"), null, null},
        });
}

Ids filtered(const QString& filter) {
    RecordSet rs = people();
    const Status s = rs.setFilter(filter);
    EXPECT_TRUE(s) << s.error().toStdString();
    return visibleIds(rs);
}

struct FilterCase {
    const char16_t* filter;
    Ids ids;
};

TEST(RecordFilter, SelectsTheMatchingRowsInStoredOrder) {
    const FilterCase cases[] = {
        // Text compares without regard to case.
        {u"Name = 'li'", {1, 3}},
        {u"Name = 'LI MING'", {5}},
        {u"name = 'Li'", {1, 3}},  // field names ignore case too
        {u"[Name] = 'wang'", {2}},
        {u"Name <> 'li'", {2, 4, 5, 6}},
        {u"Name < 'M'", {1, 3, 5}},  // "li", "LI", "li ming" sort before "M" without regard to case
        // Numbers, also quoted: the literal is read as the field's kind.
        {u"Age = 30", {1, 3}},
        {u"Age = '30'", {1, 3}},
        {u"Age = 30.0", {1, 3}},
        {u"Age = -5", {6}},
        {u"Age <> 30", {2, 5, 6}},  // a null is neither equal nor unequal
        {u"Age != 30", {2, 5, 6}},
        {u"Age < 30", {5, 6}},
        {u"Age > 30", {2}},
        {u"Age <= 30", {1, 3, 5, 6}},
        {u"Age >= 45", {2}},
        {u"Age > 'abc'", {}},  // a word against a number matches nothing
        {u"Age <> 'abc'", {}},
        {u"Score = 0", {2, 3}},  // -0 and 0 are the same number
        {u"Score = -0", {2, 3}},
        {u"Score < 0", {}},
        {u"Score = 1.5E0", {1}},
        {u"Score >= 100", {5}},       // NaN is not a number to compare
        {u"Score <> 1.5", {2, 3, 4, 5}},
        // LIKE with * or %, without regard to case, on the value's text.
        {u"Name LIKE 'li*'", {1, 3, 5}},
        {u"Name like '%ANG'", {2, 4}},
        {u"Name LIKE 'l*g'", {5}},
        {u"Name LIKE '*'", {1, 2, 3, 4, 5, 6}},
        {u"Age LIKE '3*'", {1, 3}},
        // and, or, parentheses; and binds tighter than or; keywords in any case.
        {u"Name = 'Li' and Age = 30", {1, 3}},
        {u"Age = 12 or Name = 'wang'", {2, 5}},
        {u"(Age = 12 or Age = 45) and Paid = FALSE", {2}},
        {u"Age = 12 or Age = 45 and Paid = FALSE", {2, 5}},
        {u"ID = 1 OR ID = 2 oR ID = 3", {1, 2, 3}},
        {u"Name = 'li' AND Age = 30 AnD ID = 3", {3}},
        {u"((Name = 'wang'))", {2}},
        {u"  Age=30and ID=3  ", {3}},  // blanks are optional around operators and keywords after a value
        // Booleans: TRUE is -1, names in quotes too.
        {u"Paid = TRUE", {1, 3}},
        {u"Paid = 'true'", {1, 3}},
        {u"Paid = false", {2, 4}},
        {u"Paid = -1", {1, 3}},
        // Quoted text with a doubled quote, Chinese and empty text.
        {u"Note = 'O''Brien'", {1}},
        {u"Note = '张三'", {4}},
        {u"Note = ''", {5}},  // empty text is a value, not null
        // Nulls.
        {u"Note = NULL", {2}},
        {u"Note IS NULL", {2}},
        {u"Note is not null", {1, 3, 4, 5, 6}},
        {u"Note <> NULL", {1, 3, 4, 5, 6}},
        {u"Photo IS NOT NULL", {1}},
        // Dates, as #date# or as quoted text.
        {u"Born = #2024-03-05#", {1}},
        {u"Born = #2024/3/5 8:00#", {4}},
        {u"Born >= #2024/1/1#", {1, 4}},
        {u"Born < '2000-01-01'", {5}},
        {u"[Test Date] IS NOT NULL", {2}},
        {u"[Test Date] = #2024-01-01#", {2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.filter).toStdString());
        EXPECT_EQ(filtered(QString::fromUtf16(c.filter)), c.ids);
    }
}

TEST(RecordFilter, TheEngineLinkFormWithTwoBlanksBeforeAnd) {
    RecordSet rs = makeRecordSet({field(QStringLiteral("Key"), ft::VarWChar, 10), field(QStringLiteral("Extra"), ft::Integer),
                                  field(QStringLiteral("ID"), ft::Integer)},
                                 {{QStringLiteral("abc"), 5, 1}, {QStringLiteral("ABC"), 2, 2}, {QStringLiteral("abd"), 9, 3},
                                  {QStringLiteral("abc"), 4, 4}});
    const QString link = QStringLiteral("Key = 'abc'  and Extra > 3");
    ASSERT_TRUE(rs.setFilter(link));
    EXPECT_EQ(rs.filter(), link);
    EXPECT_EQ(visibleIds(rs), (Ids{1, 4}));
}

// An equality alone or in an and-list goes through the field's index; the same
// condition inside an or with a false branch is scanned row by row. Both must
// agree, including on case, -0, nulls and literals of another kind.
TEST(RecordFilter, IndexedAndScannedEqualityAgree) {
    const FilterCase cases[] = {
        {u"Name = 'li'", {1, 3}},
        {u"Name = 'LI MING'", {5}},
        {u"Name = 'nobody'", {}},
        {u"Name = 30", {}},
        {u"Age = 30", {1, 3}},
        {u"Age = '30'", {1, 3}},
        {u"Age = 'abc'", {}},
        {u"Age = -5", {6}},
        {u"Score = 0", {2, 3}},
        {u"Score = -0", {2, 3}},
        {u"Score = 7.25", {4}},
        {u"Paid = TRUE", {1, 3}},
        {u"Paid = 'false'", {2, 4}},
        {u"Born = #2024-03-05#", {1}},
        {u"Born = '2024-03-05 08:00'", {4}},
        {u"Note = ''", {5}},
        {u"Note = '张三'", {4}},
        {u"Note = 'X'", {3, 6}},
        {u"[Test Date] = '2024-01-01'", {2}},
        {u"ID = 6", {6}},
    };
    for (const auto& c : cases) {
        const QString condition = QString::fromUtf16(c.filter);
        SCOPED_TRACE(condition.toStdString());
        EXPECT_EQ(filtered(condition), c.ids) << "alone (indexed)";
        EXPECT_EQ(filtered(QStringLiteral("ID > 0 and ") + condition), c.ids) << "in an and-list (indexed)";
        EXPECT_EQ(filtered(condition + QStringLiteral(" and ID < 100")), c.ids) << "first in an and-list (indexed)";
        EXPECT_EQ(filtered(QStringLiteral("(") + condition + QStringLiteral(") or ID < 0")), c.ids) << "in an or (scanned)";
    }
}

TEST(RecordFilter, TheIndexFollowsValuesChangedAfterAFilter) {
    RecordSet rs = people();
    ASSERT_TRUE(rs.setFilter(QStringLiteral("Name = 'li'")));  // builds the index of Name
    ASSERT_EQ(visibleIds(rs), (Ids{1, 3}));
    rs.moveFirst();
    ASSERT_TRUE(rs.setValue(u"Name", QStringLiteral("Sun")));  // row 1
    ASSERT_TRUE(rs.setFilter(QStringLiteral("Age = 30")));     // builds the index of Age
    ASSERT_EQ(visibleIds(rs), (Ids{1, 3}));
    rs.moveLast();
    ASSERT_TRUE(rs.setValue(u"Age", 31));  // row 3

    for (const char16_t* form : {u"%1", u"(%1) or ID < 0"}) {
        const auto filter = [&](const char16_t* condition) {
            return QString::fromUtf16(form).arg(QString::fromUtf16(condition));
        };
        SCOPED_TRACE(QString::fromUtf16(form).toStdString());
        ASSERT_TRUE(rs.setFilter(filter(u"Name = 'li'")));
        EXPECT_EQ(visibleIds(rs), Ids{3});
        ASSERT_TRUE(rs.setFilter(filter(u"Name = 'SUN'")));
        EXPECT_EQ(visibleIds(rs), Ids{1});
        ASSERT_TRUE(rs.setFilter(filter(u"Age = 30")));
        EXPECT_EQ(visibleIds(rs), Ids{1});
        ASSERT_TRUE(rs.setFilter(filter(u"Age = 31")));
        EXPECT_EQ(visibleIds(rs), Ids{3});
    }
}

TEST(RecordFilter, TheIndexIncludesRowsAddedAfterAFilter) {
    RecordSet rs = people();
    ASSERT_TRUE(rs.setFilter(QStringLiteral("Name = 'li'")));
    ASSERT_TRUE(rs.setFilter(QStringLiteral("Age = 30")));
    ASSERT_TRUE(rs.addNew());
    ASSERT_TRUE(rs.setValue(u"ID", 7));
    ASSERT_TRUE(rs.setValue(u"Name", QStringLiteral("lI")));
    ASSERT_TRUE(rs.setValue(u"Age", QStringLiteral("30")));
    ASSERT_TRUE(rs.addNew());  // a row of nulls
    ASSERT_TRUE(rs.setValue(u"ID", 8));

    ASSERT_TRUE(rs.setFilter(QStringLiteral("Name = 'li'")));
    EXPECT_EQ(visibleIds(rs), (Ids{1, 3, 7}));
    ASSERT_TRUE(rs.setFilter(QStringLiteral("Age = 30")));
    EXPECT_EQ(visibleIds(rs), (Ids{1, 3, 7}));
    ASSERT_TRUE(rs.setFilter(QStringLiteral("Name IS NULL")));
    EXPECT_EQ(visibleIds(rs), Ids{8});
}

TEST(RecordFilter, AnUnparsableFilterIsAnErrorThatKeepsThePreviousFilter) {
    const char16_t* bad[] = {
        u"Name = ",          u"Name 'x'",           u"= 3",          u"Name = 'abc",      u"(Name = 'a'",
        u"Name = 'a')",      u"Name = 'a' and",     u"Age > NULL",   u"Born = #2024-13-45#", u"Born = #2024-03-05",
        u"[Name = 'a'",      u"[] = 1",             u"Name IS 3",    u"Name IS NOT 'a'",  u"Name = 'a' xor Age = 3",
        u"Age = 1e",         u"Name LIKE",          u"and",          u"()",               u"Name = 'a' or or Age = 1",
    };
    for (const char16_t* text : bad) {
        const QString filter = QString::fromUtf16(text);
        SCOPED_TRACE(filter.toStdString());
        const auto parsed = parseFilter(filter);
        ASSERT_FALSE(parsed);
        EXPECT_TRUE(parsed.error().contains(filter)) << parsed.error().toStdString();

        RecordSet rs = people();
        ASSERT_TRUE(rs.setFilter(QStringLiteral("Age = 30")));
        rs.moveNext();
        const Status s = rs.setFilter(filter);
        ASSERT_FALSE(s);
        EXPECT_TRUE(s.error().contains(filter)) << s.error().toStdString();
        EXPECT_EQ(rs.filter(), QStringLiteral("Age = 30"));
        EXPECT_EQ(rs.recordCount(), 2);
        EXPECT_EQ(rs.absolutePosition(), 2);  // the cursor did not move
    }
}

TEST(RecordFilter, AnUnknownFieldIsAnErrorNamingIt) {
    const struct {
        const char16_t* filter;
        const char16_t* name;
    } rows[] = {{u"Nope = 1", u"Nope"}, {u"Age = 30 or (Nope = 2)", u"Nope"}, {u"[No pe] IS NULL", u"No pe"},
                {u"Nope LIKE 'a*'", u"Nope"}};
    for (const auto& row : rows) {
        const QString filter = QString::fromUtf16(row.filter);
        SCOPED_TRACE(filter.toStdString());
        RecordSet rs = people();
        ASSERT_TRUE(rs.setFilter(QStringLiteral("Name = 'li'")));
        const Status s = rs.setFilter(filter);
        ASSERT_FALSE(s);
        EXPECT_TRUE(s.error().contains(QString::fromUtf16(row.name))) << s.error().toStdString();
        EXPECT_EQ(rs.filter(), QStringLiteral("Name = 'li'"));
        EXPECT_EQ(visibleIds(rs), (Ids{1, 3}));
    }
}

TEST(RecordFilter, NestingIsLimitedWithoutRecursingDeeply) {
    const auto nested = [](int depth) {
        return QString(depth, u'(') + QStringLiteral("ID = 2") + QString(depth, u')');
    };
    EXPECT_EQ(filtered(nested(maxFilterDepth)), Ids{2});

    for (int depth : {maxFilterDepth + 1, 200000}) {
        SCOPED_TRACE(depth);
        const QString filter = nested(depth);
        RecordSet rs = people();
        const Status s = rs.setFilter(filter);
        ASSERT_FALSE(s);
        EXPECT_TRUE(s.error().contains(QStringLiteral("nested"))) << s.error().left(200).toStdString();
        EXPECT_EQ(rs.filter(), QString());
    }
    // Unbalanced openings alone are refused the same way.
    EXPECT_FALSE(parseFilter(QString(100000, u'(')));
}

TEST(RecordFilter, TheEmptyTextRemovesTheFilterAndTheCursorStartsOnTheFirstRow) {
    RecordSet rs = people();
    ASSERT_TRUE(rs.setFilter(QStringLiteral("Age = 30")));
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_EQ(rs.valueAt(0), Value(1));
    for (const QString& none : {QString(), QStringLiteral("   ")}) {
        ASSERT_TRUE(rs.setFilter(QStringLiteral("ID = 3")));
        ASSERT_TRUE(rs.setFilter(none));
        EXPECT_EQ(rs.recordCount(), 6);
        EXPECT_EQ(rs.absolutePosition(), 1);
        EXPECT_EQ(visibleIds(rs), (Ids{1, 2, 3, 4, 5, 6}));
    }
}

TEST(RecordFilter, ParsesIntoATree) {
    const auto tree = parseFilter(u"[A b] >= 'x''y' and (C LIKE 'z*' or D IS NOT NULL)");
    ASSERT_TRUE(tree) << tree.error().toStdString();
    ASSERT_EQ(tree->kind, FilterNode::Kind::And);
    ASSERT_EQ(tree->children.size(), 2u);
    const FilterCondition& first = tree->children[0].condition;
    EXPECT_EQ(first.field, QStringLiteral("A b"));
    EXPECT_EQ(first.op, FilterOp::GreaterOrEqual);
    EXPECT_EQ(first.literal, Value(QStringLiteral("x'y")));
    const FilterNode& inner = tree->children[1];
    ASSERT_EQ(inner.kind, FilterNode::Kind::Or);
    ASSERT_EQ(inner.children.size(), 2u);
    EXPECT_EQ(inner.children[0].condition.op, FilterOp::Like);
    EXPECT_EQ(inner.children[1].condition.op, FilterOp::NotEqual);
    EXPECT_TRUE(inner.children[1].condition.literal.isNull());
}

TEST(LikeMatches, StarAndPercentMatchAnyRunWithoutRegardToCase) {
    const struct {
        const char16_t* text;
        const char16_t* pattern;
        bool matches;
    } rows[] = {
        {u"abc", u"a*", true},        {u"abc", u"*C", true},       {u"abc", u"a%c", true},
        {u"abc", u"*", true},         {u"", u"*", true},           {u"", u"", true},
        {u"a", u"", false},           {u"abc", u"ab", false},      {u"ab", u"abc", false},
        {u"aXbXc", u"a*b*c", true},   {u"mississippi", u"*sip*", true}, {u"mississippi", u"m*iss*ppi", true},
        {u"abc", u"a*d", false},      {u"ABC", u"abc", true},      {u"王五", u"王*", true},
        {u"a_c", u"a_c", true},       {u"abc", u"a_c", false},     // _ is an ordinary character
        {u"aaaaaaaaaaaaaaaaaaaab", u"*a*a*a*a*a*a*c", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.text).toStdString() + " LIKE " + QString::fromUtf16(row.pattern).toStdString());
        EXPECT_EQ(likeMatches(QStringView(row.text), QStringView(row.pattern)), row.matches);
    }
}

}  // namespace
}  // namespace ky
