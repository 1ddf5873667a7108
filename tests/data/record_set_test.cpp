#include "report/data/record_set.h"

#include "data/record_set_fixtures.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

using test::field;
using test::makeRecordSet;
namespace ft = fieldtype;

// Three rows with IDs 1, 2, 3 and a name.
RecordSet threeRows() {
    return makeRecordSet({field(QStringLiteral("ID"), ft::Integer), field(QStringLiteral("Name"), ft::VarWChar, 20)},
                         {{1, QStringLiteral("a")}, {2, QStringLiteral("b")}, {3, QStringLiteral("c")}});
}

TEST(RecordSetFields, AppendOnlyBeforeOpenWithoutExactDuplicates) {
    RecordSet rs;
    ASSERT_TRUE(rs.appendField(field(QStringLiteral("Name"), ft::VarWChar, 10)));
    // Names that differ only in case are separate fields; the catalogue, not the record set, objects to them.
    ASSERT_TRUE(rs.appendField(field(QStringLiteral("NAME"), ft::Integer)));
    const Status duplicate = rs.appendField(field(QStringLiteral("Name"), ft::Double));
    ASSERT_FALSE(duplicate);
    EXPECT_TRUE(duplicate.error().contains(QStringLiteral("Name")));
    EXPECT_FALSE(rs.appendField(field(QString(), ft::Integer)));
    EXPECT_EQ(rs.fieldCount(), 2);

    rs.open();
    const Status late = rs.appendField(field(QStringLiteral("Late"), ft::Integer));
    ASSERT_FALSE(late);
    EXPECT_TRUE(late.error().contains(QStringLiteral("Late")));
    EXPECT_EQ(rs.fieldCount(), 2);
}

TEST(RecordSetFields, LookupIgnoresCaseAndFindsTheFirst) {
    RecordSet rs;
    ASSERT_TRUE(rs.appendField(field(QStringLiteral("Name"), ft::VarWChar, 10)));
    ASSERT_TRUE(rs.appendField(field(QStringLiteral("NAME"), ft::Integer)));
    ASSERT_TRUE(rs.appendField(field(QStringLiteral("Age"), ft::Integer)));
    EXPECT_EQ(rs.fieldIndex(u"name"), 0);
    EXPECT_EQ(rs.fieldIndex(u"NAME"), 0);
    EXPECT_EQ(rs.fieldIndex(u"aGe"), 2);
    EXPECT_EQ(rs.fieldIndex(u"Ag"), -1);
    EXPECT_EQ(rs.fieldIndex(u""), -1);
}

TEST(RecordSetRows, AddNewNeedsAnOpenRecordSetAndAppendsACurrentRowOfNulls) {
    RecordSet rs;
    ASSERT_TRUE(rs.appendField(field(QStringLiteral("ID"), ft::Integer)));
    ASSERT_TRUE(rs.appendField(field(QStringLiteral("Name"), ft::VarWChar, 10)));
    EXPECT_FALSE(rs.addNew());
    EXPECT_EQ(rs.totalRowCount(), 0);

    rs.open();
    ASSERT_TRUE(rs.addNew());
    ASSERT_TRUE(rs.setValue(0, 1));
    ASSERT_TRUE(rs.addNew());
    EXPECT_EQ(rs.absolutePosition(), 2);
    EXPECT_TRUE(rs.valueAt(0).isNull());
    EXPECT_TRUE(rs.valueAt(1).isNull());
    ASSERT_TRUE(rs.setValue(u"name", QStringLiteral("second")));  // by name, any case
    EXPECT_EQ(rs.cell(1, 1), Value(QStringLiteral("second")));
    EXPECT_EQ(rs.cell(0, 0), Value(1));  // the first row is untouched
}

TEST(RecordSetRows, SetValueWorksOnTheCurrentRowAndKeepsTheOldValueOnFailure) {
    RecordSet rs = threeRows();
    ASSERT_TRUE(rs.setAbsolutePosition(2));
    ASSERT_TRUE(rs.setValue(u"ID", QStringLiteral("20")));  // converted to the field's type
    EXPECT_EQ(rs.cell(1, 0), Value(20));

    const Status refused = rs.setValue(u"ID", QStringLiteral("twenty"));
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().contains(QStringLiteral("ID")));
    EXPECT_EQ(rs.cell(1, 0), Value(20));

    const Status unknown = rs.setValue(u"Nope", 1);
    ASSERT_FALSE(unknown);
    EXPECT_TRUE(unknown.error().contains(QStringLiteral("Nope")));
    EXPECT_FALSE(rs.setValue(2, 1));
    EXPECT_FALSE(rs.setValue(-1, 1));

    rs.moveLast();
    rs.moveNext();  // EOF: no current row
    EXPECT_FALSE(rs.setValue(0, 9));
    rs.moveFirst();
    rs.movePrevious();  // BOF
    EXPECT_FALSE(rs.setValue(0, 9));
    EXPECT_EQ(rs.cell(0, 0), Value(1));
}

TEST(RecordSetRows, ADecimalFillsADoubleFieldAsTheConversionDoes) {
    const FieldInfo number = field(QStringLiteral("N"), ft::Double);
    RecordSet rs = makeRecordSet({number}, {{Value::null()}});
    rs.moveFirst();
    for (const char16_t* text : {u"0.1", u"-123.45", u"1234567890123456789.123456789"}) {
        const Value decimal(*Decimal::parse(text));
        ASSERT_TRUE(rs.setValue(0, decimal));
        EXPECT_EQ(rs.cell(0, 0), coerceToField(number, decimal).value());
    }
}

// Rows are kept in chunks: a row count past several chunks, and copies of it.
TEST(RecordSetRows, ManyRowsKeepTheirValuesAndCopiesAreIndependent) {
    RecordSet rs;
    ASSERT_TRUE(rs.appendField(field(QStringLiteral("ID"), ft::Integer)));
    rs.open();
    constexpr int kRows = 10000;
    for (int i = 0; i < kRows; ++i) {
        ASSERT_TRUE(rs.addNew());
        ASSERT_TRUE(rs.setValue(0, i));
    }
    RecordSet copy = rs;
    copy.moveFirst();
    ASSERT_TRUE(copy.setValue(0, -1));
    for (int i : {0, 4095, 4096, 8191, 8192, kRows - 1}) EXPECT_EQ(rs.cell(i, 0), Value(i)) << i;
    EXPECT_EQ(copy.cell(0, 0), Value(-1));
    EXPECT_EQ(copy.cell(kRows - 1, 0), Value(kRows - 1));
    EXPECT_THROW(static_cast<void>(rs.cell(kRows, 0)), std::out_of_range);
}

TEST(RecordSetRows, AppendChunkGrowsABinaryValueWithinItsSize) {
    RecordSet rs = makeRecordSet({field(QStringLiteral("Photo"), ft::VarBinary, 6), field(QStringLiteral("Name"), ft::VarWChar)},
                                 {{Value::null(), QStringLiteral("x")}});
    ASSERT_TRUE(rs.appendChunk(0, "abc"));  // null grows into bytes
    ASSERT_TRUE(rs.appendChunk(0, "def"));
    EXPECT_EQ(rs.valueAt(0), Value(QByteArray("abcdef")));
    EXPECT_EQ(rs.actualSize(0), 6);

    EXPECT_FALSE(rs.appendChunk(0, "g"));  // past the defined size
    EXPECT_EQ(rs.valueAt(0), Value(QByteArray("abcdef")));

    const Status notBinary = rs.appendChunk(1, "z");
    ASSERT_FALSE(notBinary);
    EXPECT_TRUE(notBinary.error().contains(QStringLiteral("Name")));
    EXPECT_FALSE(rs.appendChunk(2, "z"));

    rs.moveNext();
    EXPECT_FALSE(rs.appendChunk(0, "z"));  // EOF
}

TEST(RecordSetRows, ActualSizeIsBytesOrTwoPerCharacter) {
    RecordSet rs = makeRecordSet({field(QStringLiteral("B"), ft::VarBinary), field(QStringLiteral("T"), ft::VarWChar),
                                  field(QStringLiteral("N"), ft::Integer)},
                                 {{QByteArray("abc"), QStringLiteral("中文"), Value::null()}});
    EXPECT_EQ(rs.actualSize(0), 3);
    EXPECT_EQ(rs.actualSize(1), 4);
    EXPECT_EQ(rs.actualSize(2), 0);
    EXPECT_EQ(rs.actualSize(7), 0);
    rs.moveNext();
    EXPECT_EQ(rs.actualSize(0), 0);  // no current row
}

TEST(RecordSetRows, ValueByNameNeedsACurrentRowAndAKnownField) {
    RecordSet rs = threeRows();
    const auto name = rs.value(u"NAME");
    ASSERT_TRUE(name);
    EXPECT_EQ(name.value(), Value(QStringLiteral("a")));

    const auto unknown = rs.value(u"Nope");
    ASSERT_FALSE(unknown);
    EXPECT_TRUE(unknown.error().contains(QStringLiteral("Nope")));

    rs.movePrevious();
    EXPECT_FALSE(rs.value(u"Name"));
}

TEST(RecordSetCursor, MovesAndReportsItsPosition) {
    RecordSet rs = threeRows();
    enum Move { First, Next, Previous, Last };
    const struct {
        Move move;
        long position;  // AbsolutePosition afterwards
        bool bof, eof;
    } steps[] = {
        {First, 1, false, false},
        {Next, 2, false, false},
        {Next, 3, false, false},
        {Next, RecordSet::positionEof, false, true},
        {Next, RecordSet::positionEof, false, true},  // stays at EOF
        {Previous, 3, false, false},                  // back from EOF onto the last row
        {First, 1, false, false},
        {Previous, RecordSet::positionBof, true, false},
        {Previous, RecordSet::positionBof, true, false},  // stays at BOF
        {Next, 1, false, false},
        {Last, 3, false, false},
    };
    int i = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(i++);
        switch (step.move) {
        case First: rs.moveFirst(); break;
        case Next: rs.moveNext(); break;
        case Previous: rs.movePrevious(); break;
        case Last: rs.moveLast(); break;
        }
        EXPECT_EQ(rs.absolutePosition(), step.position);
        EXPECT_EQ(rs.isBof(), step.bof);
        EXPECT_EQ(rs.isEof(), step.eof);
        EXPECT_EQ(rs.hasCurrentRow(), !step.bof && !step.eof);
        if (rs.hasCurrentRow()) {
            EXPECT_EQ(rs.valueAt(0), Value(static_cast<int>(step.position)));
        }
    }
}

TEST(RecordSetCursor, AnEmptyRecordSetIsAtBothEnds) {
    RecordSet rs = makeRecordSet({field(QStringLiteral("ID"), ft::Integer)}, {});
    for (int move = 0; move < 4; ++move) {
        SCOPED_TRACE(move);
        switch (move) {
        case 0: rs.moveFirst(); break;
        case 1: rs.moveNext(); break;
        case 2: rs.movePrevious(); break;
        case 3: rs.moveLast(); break;
        }
        EXPECT_TRUE(rs.isBof());
        EXPECT_TRUE(rs.isEof());
        EXPECT_EQ(rs.absolutePosition(), RecordSet::positionUnknown);
        EXPECT_EQ(rs.recordCount(), 0);
    }
    EXPECT_FALSE(rs.setAbsolutePosition(1));
}

TEST(RecordSetCursor, SetAbsolutePositionAcceptsOnlyExistingRows) {
    const struct {
        long position;
        bool ok;
    } rows[] = {{1, true}, {3, true}, {0, false}, {4, false}, {-1, false}, {RecordSet::positionEof, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.position);
        RecordSet rs = threeRows();
        ASSERT_TRUE(rs.setAbsolutePosition(2));
        const Status s = rs.setAbsolutePosition(row.position);
        EXPECT_EQ(s.ok(), row.ok);
        // A refused position leaves the cursor where it was.
        EXPECT_EQ(rs.absolutePosition(), row.ok ? row.position : 2);
    }
}

TEST(RecordSetCursor, CountsAndPositionsFollowTheFilter) {
    RecordSet rs = threeRows();
    ASSERT_TRUE(rs.setFilter(QStringLiteral("ID > 1")));
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.totalRowCount(), 3);
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_EQ(rs.valueAt(0), Value(2));  // the first visible row
    ASSERT_TRUE(rs.setAbsolutePosition(2));
    EXPECT_EQ(rs.valueAt(0), Value(3));
    EXPECT_FALSE(rs.setAbsolutePosition(3));  // only two rows are visible

    ASSERT_TRUE(rs.setFilter(QStringLiteral("ID > 5")));
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_EQ(rs.absolutePosition(), RecordSet::positionUnknown);
    EXPECT_TRUE(rs.isBof() && rs.isEof());

    // A row added under a filter is visible and current, whatever the filter says.
    ASSERT_TRUE(rs.addNew());
    ASSERT_TRUE(rs.setValue(0, 4));
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_EQ(rs.totalRowCount(), 4);
}

TEST(RecordSetCopy, CopiesAreIndependentAndFilterTheirOwnValues) {
    RecordSet original = threeRows();
    ASSERT_TRUE(original.setFilter(QStringLiteral("Name = 'b'")));  // builds the index of Name
    RecordSet copy = original;
    EXPECT_EQ(copy.filter(), QStringLiteral("Name = 'b'"));
    EXPECT_EQ(test::visibleIds(copy), std::vector<int>{2});

    copy.moveFirst();
    ASSERT_TRUE(copy.setValue(u"Name", QStringLiteral("z")));
    ASSERT_TRUE(copy.setFilter(QStringLiteral("Name = 'b'")));
    EXPECT_EQ(test::visibleIds(copy), std::vector<int>{});
    ASSERT_TRUE(original.setFilter(QStringLiteral("Name = 'b'")));
    EXPECT_EQ(test::visibleIds(original), std::vector<int>{2});

    RecordSet assigned;
    assigned = copy;
    ASSERT_TRUE(assigned.setFilter(QStringLiteral("Name = 'z'")));
    EXPECT_EQ(test::visibleIds(assigned), std::vector<int>{2});
}

}  // namespace
}  // namespace ky
