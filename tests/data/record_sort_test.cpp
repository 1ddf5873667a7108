#include "report/data/record_set.h"
#include "report/data/record_sort.h"

#include "data/record_set_fixtures.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

using test::field;
using test::makeRecordSet;
using test::visibleIds;
namespace ft = fieldtype;
using Ids = std::vector<int>;

// Ties on every field so that stability shows, nulls in each sorted field.
RecordSet fruit() {
    const Value null = Value::null();
    return makeRecordSet({field(QStringLiteral("ID"), ft::Integer), field(QStringLiteral("Name"), ft::VarWChar, 20),
                          field(QStringLiteral("Age"), ft::Integer), field(QStringLiteral("Score"), ft::Double)},
                         {
                             {1, QStringLiteral("banana"), 30, 2.0},
                             {2, QStringLiteral("Apple"), null, 1.0},
                             {3, QStringLiteral("cherry"), 30, null},
                             {4, QStringLiteral("apple"), 12, 3.0},
                             {5, null, 45, 2.0},
                             {6, QStringLiteral("Banana"), 12, -1.0},
                         });
}

TEST(RecordSort, OrdersByTheKeysStablyWithNullsFirst) {
    const struct {
        const char16_t* sort;
        Ids ids;
    } cases[] = {
        {u"Age", {2, 4, 6, 1, 3, 5}},           // null first; 4 before 6 and 1 before 3 as stored
        {u"Age ASC", {2, 4, 6, 1, 3, 5}},
        {u"Age DESC", {5, 1, 3, 4, 6, 2}},      // equal keys still keep their stored order; null last
        {u"age desc", {5, 1, 3, 4, 6, 2}},      // names and keywords in any case
        {u"Name", {5, 2, 4, 1, 6, 3}},          // "Apple" and "apple" are equal keys
        {u"Name DESC", {3, 1, 6, 2, 4, 5}},
        {u"  Name  DESC  ", {3, 1, 6, 2, 4, 5}},
        {u"Name, Age DESC", {5, 4, 2, 1, 6, 3}},
        {u"[Name] asc, [Age] Desc", {5, 4, 2, 1, 6, 3}},
        {u"Age, Score", {2, 6, 4, 3, 1, 5}},
        {u"Score DESC, ID DESC", {4, 5, 1, 2, 6, 3}},
    };
    for (const auto& c : cases) {
        const QString sort = QString::fromUtf16(c.sort);
        SCOPED_TRACE(sort.toStdString());
        RecordSet rs = fruit();
        const Status s = rs.setSort(sort);
        ASSERT_TRUE(s) << s.error().toStdString();
        EXPECT_EQ(rs.sort(), sort);
        EXPECT_EQ(rs.absolutePosition(), 1);
        EXPECT_EQ(rs.valueAt(0), Value(c.ids.front()));  // the cursor is on the first sorted row
        EXPECT_EQ(visibleIds(rs), c.ids);
    }
}

TEST(RecordSort, ABadSortIsAnErrorAndChangesNothing) {
    const struct {
        const char16_t* sort;
        const char16_t* mentioned;  // what the message must name
    } cases[] = {
        {u"Nope", u"Nope"},
        {u"Name, Nope DESC", u"Nope"},
        {u"[Name", u"[Name"},
        {u"Name,,Age", u"Name,,Age"},
        {u"Name,", u"Name,"},
        {u"[]", u"[]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.sort).toStdString());
        RecordSet rs = fruit();
        ASSERT_TRUE(rs.setSort(QStringLiteral("Age DESC")));
        rs.moveNext();
        const Status s = rs.setSort(QString::fromUtf16(c.sort));
        ASSERT_FALSE(s);
        EXPECT_TRUE(s.error().contains(QString::fromUtf16(c.mentioned))) << s.error().toStdString();
        EXPECT_EQ(rs.sort(), QStringLiteral("Age DESC"));
        EXPECT_EQ(rs.absolutePosition(), 2);
        EXPECT_EQ(visibleIds(rs), (Ids{5, 1, 3, 4, 6, 2}));
    }
}

TEST(RecordSort, TheEmptyTextRemovesTheSort) {
    for (const QString& none : {QString(), QStringLiteral("  ")}) {
        RecordSet rs = fruit();
        ASSERT_TRUE(rs.setSort(QStringLiteral("Name DESC")));
        ASSERT_TRUE(rs.setSort(none));
        EXPECT_EQ(visibleIds(rs), (Ids{1, 2, 3, 4, 5, 6}));
    }
}

TEST(RecordSort, CombinesWithTheFilter) {
    RecordSet rs = fruit();
    ASSERT_TRUE(rs.setFilter(QStringLiteral("Age >= 12")));
    ASSERT_TRUE(rs.setSort(QStringLiteral("Age DESC")));
    EXPECT_EQ(visibleIds(rs), (Ids{5, 1, 3, 4, 6}));
    EXPECT_EQ(rs.recordCount(), 5);

    // A new filter keeps the sort, and the other way round.
    ASSERT_TRUE(rs.setFilter(QStringLiteral("Name LIKE '*an*'")));
    EXPECT_EQ(visibleIds(rs), (Ids{1, 6}));
    ASSERT_TRUE(rs.setSort(QStringLiteral("Age")));
    EXPECT_EQ(visibleIds(rs), (Ids{6, 1}));
    ASSERT_TRUE(rs.setFilter(QString()));
    EXPECT_EQ(visibleIds(rs), (Ids{2, 4, 6, 1, 3, 5}));
    ASSERT_TRUE(rs.setFilter(QStringLiteral("Age = 12")));  // an indexed filter, then sorted
    ASSERT_TRUE(rs.setSort(QStringLiteral("Score")));
    EXPECT_EQ(visibleIds(rs), (Ids{6, 4}));
    ASSERT_TRUE(rs.setSort(QString()));
    EXPECT_EQ(visibleIds(rs), (Ids{4, 6}));
}

TEST(ParseSort, ReadsNamesDirectionsAndBrackets) {
    const struct {
        const char16_t* text;
        std::vector<std::pair<QString, bool>> keys;  // field, descending
    } cases[] = {
        {u"", {}},
        {u"A", {{QStringLiteral("A"), false}}},
        {u"a ASC , b desc", {{QStringLiteral("a"), false}, {QStringLiteral("b"), true}}},
        {u"[Test Date] DESC", {{QStringLiteral("Test Date"), true}}},
        {u"Test Date", {{QStringLiteral("Test Date"), false}}},  // a blank inside a name without brackets
        {u"[Desc]", {{QStringLiteral("Desc"), false}}},           // a keyword as a bracketed name
        {u"DESC", {{QStringLiteral("DESC"), false}}},             // a keyword alone is a name
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        const auto keys = parseSort(QStringView(c.text));
        ASSERT_TRUE(keys) << keys.error().toStdString();
        std::vector<std::pair<QString, bool>> got;
        for (const SortKey& k : keys.value()) got.emplace_back(k.field, k.descending);
        EXPECT_EQ(got, c.keys);
    }
}

}  // namespace
}  // namespace ky
