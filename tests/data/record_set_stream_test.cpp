#include "report/data/record_set_stream.h"

#include "data/record_set_fixtures.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <limits>

namespace ky {
namespace {

using test::field;
using test::makeRecordSet;
using test::visibleIds;
namespace ft = fieldtype;

// One value of every kind a field can hold (a variant field keeps each as it
// is), and typed fields beside it.
std::vector<Value> everyKind() {
    return {
        Value::null(),
        Value(true),
        Value(false),
        Value(std::int16_t{-32768}),
        Value(std::numeric_limits<std::int32_t>::min()),
        Value(std::numeric_limits<long long>::max()),
        Value(-1.25f),
        Value(std::numeric_limits<double>::denorm_min()),
        Value(-0.0),
        Value(Currency{std::numeric_limits<std::int64_t>::min()}),
        Value(*Decimal::parse(u"-1234567890.0123456789012345678")),
        Value(*Decimal::parse(u"0.0000000000000000000000000001")),
        Value(OleDate{45356.338298611}),
        Value(OleDate{-1.25}),
        Value(QStringLiteral("plain")),
        Value(QStringLiteral("中文，含标点")),
        Value(QString()),
        Value(QString(QChar(0xD800))),  // a lone surrogate survives as a code unit
        Value(QByteArray("\0\1\2\xff", 4)),
        Value(QByteArray()),
    };
}

RecordSet everyKindRecordSet() {
    std::vector<std::vector<Value>> rows;
    int id = 0;
    for (const Value& v : everyKind()) rows.push_back({++id, v, QStringLiteral("n%1").arg(id), Value::null()});
    return makeRecordSet({field(QStringLiteral("ID"), ft::Integer, 0, false), field(QStringLiteral("V"), ft::Variant),
                          field(QStringLiteral("名字"), ft::VarWChar, ft::wideTextSize, false),
                          field(QStringLiteral("Photo"), ft::LongVarBinary, ft::longBinarySize)},
                         rows);
}

void expectSameContent(const RecordSet& a, const RecordSet& b) {
    ASSERT_EQ(a.fieldCount(), b.fieldCount());
    for (int f = 0; f < a.fieldCount(); ++f) EXPECT_EQ(a.field(f), b.field(f)) << "field " << f;
    ASSERT_EQ(a.totalRowCount(), b.totalRowCount());
    for (qsizetype row = 0; row < a.totalRowCount(); ++row) {
        for (int f = 0; f < a.fieldCount(); ++f) {
            SCOPED_TRACE(testing::Message() << "row " << row << " field " << f);
            EXPECT_EQ(a.cell(row, f).kind(), b.cell(row, f).kind());
            EXPECT_EQ(a.cell(row, f), b.cell(row, f));
        }
    }
}

TEST(RecordSetStream, RoundTripsFieldsAndEveryValueKind) {
    const RecordSet original = everyKindRecordSet();
    const QByteArray saved = saveRecordSet(original);
    auto loaded = loadRecordSet(saved);
    ASSERT_TRUE(loaded) << loaded.error().toStdString();
    expectSameContent(original, loaded.value());
    // -0.0 == 0.0, so look at the sign too.
    EXPECT_TRUE(std::signbit(*loaded->cell(8, 1).get<double>()));
    EXPECT_EQ(saveRecordSet(loaded.value()), saved);

    RecordSet& opened = loaded.value();
    EXPECT_TRUE(opened.isOpen());
    EXPECT_EQ(opened.absolutePosition(), 1);
    EXPECT_TRUE(opened.addNew());  // open for more rows
}

TEST(RecordSetStream, KeepsAnEmptyCellDistinctFromNull) {
    // Empty cannot be stored through setValue, only read from a stream: the
    // last byte of a one-field, one-null-row save is the null's kind byte.
    const RecordSet one = makeRecordSet({field(QStringLiteral("V"), ft::Variant)}, {{Value::null()}});
    QByteArray saved = saveRecordSet(one);
    ASSERT_EQ(saved.back(), static_cast<char>(Value::Kind::Null));
    saved.back() = static_cast<char>(Value::Kind::Empty);
    auto loaded = loadRecordSet(saved);
    ASSERT_TRUE(loaded) << loaded.error().toStdString();
    EXPECT_TRUE(loaded->cell(0, 0).isEmpty());
    EXPECT_EQ(saveRecordSet(loaded.value()), saved);
}

TEST(RecordSetStream, SavesEveryRowWhateverTheFilterAndSort) {
    RecordSet rs = everyKindRecordSet();
    ASSERT_TRUE(rs.setFilter(QStringLiteral("ID > 18")));
    ASSERT_TRUE(rs.setSort(QStringLiteral("ID DESC")));
    ASSERT_EQ(rs.recordCount(), 2);
    auto loaded = loadRecordSet(saveRecordSet(rs));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->filter(), QString());
    EXPECT_EQ(loaded->sort(), QString());
    EXPECT_EQ(loaded->recordCount(), rs.totalRowCount());
    const auto ids = visibleIds(loaded.value());
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(ids.front(), 1);  // stored order, not the sort's
    expectSameContent(rs, loaded.value());
}

TEST(RecordSetStream, RoundTripsARecordSetWithoutRows) {
    const RecordSet empty = makeRecordSet({field(QStringLiteral("A"), ft::Integer), field(QStringLiteral("a"), ft::VarWChar, 7, false)}, {});
    auto loaded = loadRecordSet(saveRecordSet(empty));
    ASSERT_TRUE(loaded) << loaded.error().toStdString();
    expectSameContent(empty, loaded.value());
    EXPECT_EQ(loaded->absolutePosition(), RecordSet::positionUnknown);
}

// A small valid save: two fields, two rows.
QByteArray smallSave() {
    return saveRecordSet(makeRecordSet({field(QStringLiteral("ID"), ft::Integer), field(QStringLiteral("Name"), ft::VarWChar, 9)},
                                       {{1, QStringLiteral("one")}, {2, Value::null()}}));
}

// Where the row count of smallSave() sits: after the header and the fields.
qsizetype rowCountOffset() {
    return saveRecordSet(makeRecordSet({field(QStringLiteral("ID"), ft::Integer), field(QStringLiteral("Name"), ft::VarWChar, 9)}, {}))
               .size() -
           4;
}

QByteArray patched(QByteArray bytes, qsizetype offset, quint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

TEST(RecordSetStream, EveryTruncationIsAnError) {
    const QByteArray saved = smallSave();
    ASSERT_TRUE(loadRecordSet(saved));
    for (qsizetype length = 0; length < saved.size(); ++length) {
        SCOPED_TRACE(length);
        const auto loaded = loadRecordSet(QByteArrayView(saved).first(length));
        ASSERT_FALSE(loaded);
        EXPECT_FALSE(loaded.error().isEmpty());
    }
}

TEST(RecordSetStream, MalformedInputIsAnErrorNotACrash) {
    const QByteArray saved = smallSave();
    const qsizetype rows = rowCountOffset();
    QByteArray wrongMagic = saved;
    wrongMagic[0] = 'X';
    QByteArray wrongVersion = saved;
    wrongVersion[4] = 2;
    QByteArray badKind = saved;
    badKind[rows + 4] = 100;  // the first value's kind byte
    QByteArray badBool = saveRecordSet(makeRecordSet({field(QStringLiteral("B"), ft::Boolean)}, {{true}}));
    badBool.back() = 2;
    QByteArray badDecimal = saveRecordSet(makeRecordSet({field(QStringLiteral("D"), ft::Decimal)}, {{Value(*Decimal::parse(u"7"))}}));
    badDecimal.back() = 'x';  // the high byte of the decimal's text "7": another character
    QByteArray badNullable = saved;
    badNullable[rows - 1] = 2;  // the last field's nullability byte

    const struct {
        const char* why;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"wrong magic", wrongMagic},
        {"unknown version", wrongVersion},
        {"a trailing byte", saved + QByteArray(1, '\0')},
        {"a huge field count", patched(saved, 6, 0xFFFFFFFFu)},
        {"a field count just past the limit", patched(saved, 6, 4097)},
        {"a field count larger than the fields", patched(saved, 6, 3)},
        {"a huge row count", patched(saved, rows, 0xFFFFFFFFu)},
        {"one row more than stored", patched(saved, rows, 3)},
        {"one row fewer than stored", patched(saved, rows, 1)},
        {"a huge name length", patched(saved, 10, 0x7FFFFFFFu)},
        {"an unknown value kind", badKind},
        {"a boolean byte other than 0 or 1", badBool},
        {"a decimal that is no number", badDecimal},
        {"a nullability byte other than 0 or 1", badNullable},
        {"rows without fields", patched(saveRecordSet(RecordSet()), 10, 5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const auto loaded = loadRecordSet(c.bytes);
        ASSERT_FALSE(loaded);
        EXPECT_TRUE(loaded.error().startsWith(QStringLiteral("not a saved record set"))) << loaded.error().toStdString();
    }
}

TEST(RecordSetStream, TheSameFieldNameTwiceIsRefused) {
    // Build a save with fields "A" and "B", then rename "B" to "A" in place.
    QByteArray saved = saveRecordSet(makeRecordSet({field(QStringLiteral("A"), ft::Integer), field(QStringLiteral("B"), ft::Integer)}, {}));
    const qsizetype b = saved.lastIndexOf(QByteArray("B\0", 2));
    ASSERT_GT(b, 0);
    saved[b] = 'A';
    const auto loaded = loadRecordSet(saved);
    ASSERT_FALSE(loaded);
    EXPECT_TRUE(loaded.error().contains(QStringLiteral("A")));
}

}  // namespace
}  // namespace ky
