#include "report/data/rpd_record_set.h"

#include "data/record_set_fixtures.h"
#include "platform/com_error.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

using test::field;
using test::makeRecordSet;
namespace ft = fieldtype;

RecordSetPtr recordsWith(std::vector<FieldInfo> fields) {
    return std::make_shared<RecordSet>(makeRecordSet(fields, {}));
}

RecordSetPtr people() {
    return recordsWith({field(QStringLiteral("Name"), ft::VarWChar, 50), field(QStringLiteral("Age"), ft::Integer),
                        field(QStringLiteral("Paid"), ft::Boolean), field(QStringLiteral("Photo"), ft::LongVarBinary)});
}

TEST(RPD_RecordSet, ReadyCataloguesTheFieldsByKind) {
    RPD_RecordSet rs;
    rs.setRecordSet(people());
    rs.Ready();

    EXPECT_EQ(rs.FieldNameArray(), (QStringList{QStringLiteral("Name"), QStringLiteral("Age"), QStringLiteral("Paid"), QStringLiteral("Photo")}));
    EXPECT_EQ(rs.TextNumFiledNameArray(), (QStringList{QStringLiteral("Name"), QStringLiteral("Age")}));
    EXPECT_EQ(rs.BoolFiledNameArray(), QStringList{QStringLiteral("Paid")});
    EXPECT_EQ(rs.BinFiledNameArray(), QStringList{QStringLiteral("Photo")});

    const auto fields = rs.Fields();
    ASSERT_TRUE(fields);
    const std::vector<std::pair<QString, int>> expected{{QStringLiteral("name"), ft::VarWChar},
                                                        {QStringLiteral("age"), ft::Integer},
                                                        {QStringLiteral("paid"), ft::Boolean},
                                                        {QStringLiteral("photo"), ft::LongVarBinary}};
    EXPECT_EQ(fields->entries(), expected);
    EXPECT_EQ(fields->typeOf(QStringLiteral("age")), ft::Integer);
    EXPECT_EQ(fields->typeOf(QStringLiteral("Age")), -1);  // keys are lower case

    for (const char16_t* name : {u"NAME", u"name", u"Photo", u"pAID"}) EXPECT_TRUE(rs.HasField(QString::fromUtf16(name)));
    EXPECT_FALSE(rs.HasField(QStringLiteral("Nope")));
    EXPECT_FALSE(rs.HasField(QString()));
}

TEST(RPD_RecordSet, EveryKindOfFieldLandsInOneList) {
    // Booleans and binaries have their lists; everything else counts as text or number.
    const struct {
        int type;
        int list;  // 0 text/number, 1 boolean, 2 binary
    } rows[] = {
        {ft::VarWChar, 0}, {ft::LongVarWChar, 0}, {ft::Char, 0},     {ft::Integer, 0},    {ft::Double, 0},
        {ft::Decimal, 0},  {ft::Currency, 0},     {ft::Date, 0},     {ft::DbTimeStamp, 0}, {ft::Guid, 0},
        {ft::Variant, 0},  {ft::Boolean, 1},      {ft::Binary, 2},   {ft::VarBinary, 2},  {ft::LongVarBinary, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.type);
        RPD_RecordSet rs;
        rs.setRecordSet(recordsWith({field(QStringLiteral("F"), row.type)}));
        rs.Ready();
        const QStringList lists[] = {rs.TextNumFiledNameArray(), rs.BoolFiledNameArray(), rs.BinFiledNameArray()};
        for (int i = 0; i < 3; ++i) EXPECT_EQ(lists[i], QStringList{i == row.list ? QStringLiteral("F") : QString()}) << i;
    }
}

TEST(RPD_RecordSet, ATypedListWithoutNamesHoldsOneEmptyName) {
    RPD_RecordSet rs;
    rs.setRecordSet(recordsWith({field(QStringLiteral("A"), ft::VarWChar), field(QStringLiteral("B"), ft::VarWChar)}));
    rs.Ready();
    EXPECT_EQ(rs.BoolFiledNameArray(), QStringList{QString()});
    EXPECT_EQ(rs.BinFiledNameArray(), QStringList{QString()});
    EXPECT_EQ(rs.TextNumFiledNameArray(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));

    RPD_RecordSet none;
    none.setRecordSet(recordsWith({}));
    none.Ready();
    EXPECT_EQ(none.FieldNameArray(), QStringList{});
    EXPECT_EQ(none.TextNumFiledNameArray(), QStringList{QString()});
    ASSERT_TRUE(none.Fields());
    EXPECT_TRUE(none.Fields()->entries().empty());
}

TEST(RPD_RecordSet, BeforeReadyThereIsNoCatalogue) {
    RPD_RecordSet rs;
    rs.setRecordSet(people());
    EXPECT_FALSE(rs.Fields());
    EXPECT_TRUE(rs.FieldNameArray().isEmpty());
    EXPECT_TRUE(rs.TextNumFiledNameArray().isEmpty());
    EXPECT_TRUE(rs.BoolFiledNameArray().isEmpty());
    EXPECT_TRUE(rs.BinFiledNameArray().isEmpty());
    EXPECT_FALSE(rs.HasField(QStringLiteral("Name")));
}

TEST(RPD_RecordSet, ReadyWithoutARecordSetThrows) {
    RPD_RecordSet rs;
    rs.setKey(QStringLiteral("Main"));
    try {
        rs.Ready();
        FAIL() << "Ready did not throw";
    } catch (const ComError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Main"))) << e.what();
    }
    EXPECT_FALSE(rs.Fields());
}

TEST(RPD_RecordSet, NamesDifferingOnlyInCaseMakeReadyThrowAndKeepTheOldCatalogue) {
    RPD_RecordSet rs;
    rs.setRecordSet(people());
    rs.Ready();

    rs.setRecordSet(recordsWith({field(QStringLiteral("Code"), ft::VarWChar), field(QStringLiteral("CODE"), ft::Integer)}));
    try {
        rs.Ready();
        FAIL() << "Ready did not throw";
    } catch (const ComError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("code"), Qt::CaseInsensitive)) << e.what();
    }
    EXPECT_EQ(rs.FieldNameArray().size(), 4);  // the catalogue of the earlier record set stands
    EXPECT_TRUE(rs.HasField(QStringLiteral("Photo")));
    EXPECT_FALSE(rs.HasField(QStringLiteral("Code")));
}

TEST(RPD_RecordSet, IsMainWhenTheTrimmedParentKeyIsEmpty) {
    const struct {
        const char16_t* parent;
        bool main;
    } rows[] = {{u"", true}, {u"   ", true}, {u"\t", true}, {u"Main", false}, {u" x ", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.parent).toStdString());
        RPD_RecordSet rs;
        rs.setParentRecordsetKey(QString::fromUtf16(row.parent));
        EXPECT_EQ(rs.IsMain(), row.main);
    }
}

TEST(RPD_RecordSet, AnswersForItsInterface) {
    auto object = std::make_shared<RPD_RecordSet>();
    const auto rs = com::queryInterface<IRPD_RecordSet>(object);
    ASSERT_TRUE(rs);
    rs->setKey(QStringLiteral("K"));
    EXPECT_EQ(object->key(), QStringLiteral("K"));
    EXPECT_FALSE(com::queryInterface<com::IClassFactory>(object));
}

}  // namespace
}  // namespace ky
