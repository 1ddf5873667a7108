#include "report/data/json_to_record_sets.h"

#include "platform/com_error.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace ky {
namespace {

struct Converted {
    QString message;
    std::vector<RpdRecordSetPtr> recordSets;  // the non-empty slots
};

Converted convert(const char16_t* json) {
    JsonToRPD_Rst converter;
    Converted out;
    out.message = converter.ParseStringToRPDRs(QString::fromUtf16(json));
    for (int i = 0; i < converter.RPDRecordsetCount(); ++i)
        if (auto slot = converter.RPDRecordset(i)) out.recordSets.push_back(slot);
    return out;
}

QStringList fieldNames(const RecordSet& rs) {
    QStringList names;
    for (int i = 0; i < rs.fieldCount(); ++i) names.append(rs.field(i).name);
    return names;
}

std::vector<double> column(RecordSet& rs, QStringView name) {
    std::vector<double> values;
    for (rs.moveFirst(); !rs.isEof(); rs.moveNext()) values.push_back(rs.value(name)->toDouble().value_or(-99));
    return values;
}

TEST(JsonToRecordSets, OneMainRecordSetWithGeneratedRowNumbers) {
    const auto c = convert(u"[{K:'main',P:'',D:'Patient',U:'',L:'',F:'',R:[{Name:'Li',Age:30},{Name:'Wang',Age:41}]}]");
    EXPECT_EQ(c.message, QString());
    ASSERT_EQ(c.recordSets.size(), 1u);
    const auto& main = c.recordSets[0];
    EXPECT_EQ(main->key(), QStringLiteral("main"));
    EXPECT_EQ(main->Description(), QStringLiteral("Patient"));
    EXPECT_TRUE(main->IsMain());
    // Rows of an array link by row numbers, whatever U, L and F say.
    EXPECT_EQ(main->LinkParentKey(), QStringLiteral("RowID"));
    EXPECT_EQ(main->LinkChildKey(), QStringLiteral("ParentRowID"));
    EXPECT_EQ(main->LinkFriendKey(), QStringLiteral("RowID"));
    RecordSet& rs = *main->recordSet();
    EXPECT_EQ(fieldNames(rs), (QStringList{QStringLiteral("RowID"), QStringLiteral("ParentRowID"), QStringLiteral("Name"),
                                          QStringLiteral("Age")}));
    EXPECT_EQ(rs.field(2).type, fieldtype::VarWChar);
    EXPECT_EQ(rs.field(2).definedSize, 255);
    EXPECT_EQ(rs.field(3).type, fieldtype::Double);
    EXPECT_EQ(column(rs, u"RowID"), (std::vector<double>{1, 2}));
    EXPECT_EQ(column(rs, u"ParentRowID"), (std::vector<double>{1, 1}));
    EXPECT_EQ(column(rs, u"Age"), (std::vector<double>{30, 41}));
}

TEST(JsonToRecordSets, NestedArraysAndObjectTextsBecomeLinkedChildRecordSets) {
    const auto c = convert(
        u"[{K:'main',D:'Patient',R:[{Name:'Li',Items:[{T:'Hb'},{T:'WBC'}]},{Name:'Wang',Items:[{T:'PLT'}],Note:\"{'a':1}\"}]}]");
    EXPECT_EQ(c.message, QString());
    ASSERT_EQ(c.recordSets.size(), 3u);
    EXPECT_EQ(c.recordSets[2]->key(), QStringLiteral("main_Note"));  // the object text, though Note has no column
    const auto& items = c.recordSets[1];
    EXPECT_EQ(items->key(), QStringLiteral("main_Items"));
    EXPECT_EQ(items->ParentRecordsetKey(), QStringLiteral("main"));
    EXPECT_EQ(items->Description(), QStringLiteral("Patient_Items"));
    EXPECT_EQ(items->LinkParentKey(), QStringLiteral("RowID"));
    EXPECT_EQ(items->LinkChildKey(), QStringLiteral("ParentRowID"));
    EXPECT_FALSE(items->IsMain());
    EXPECT_EQ(column(*items->recordSet(), u"ParentRowID"), (std::vector<double>{1, 1, 2}));  // the owning rows
    // Note, absent from the first row, gets no column.
    EXPECT_EQ(fieldNames(*c.recordSets[0]->recordSet()),
              (QStringList{QStringLiteral("RowID"), QStringLiteral("ParentRowID"), QStringLiteral("Name")}));
}

TEST(JsonToRecordSets, TextReadingAsAnObjectIsAChildNotAValue) {
    const auto c = convert(u"[{K:'m',R:{Name:'Li',Extra:\"{'a':1}\"}}]");
    ASSERT_EQ(c.recordSets.size(), 2u);
    EXPECT_EQ(c.recordSets[1]->key(), QStringLiteral("m_Extra"));
    RecordSet& main = *c.recordSets[0]->recordSet();
    main.moveFirst();
    EXPECT_TRUE(main.value(u"Extra")->isNull());  // the column exists, the value went to the child
}

TEST(JsonToRecordSets, ColumnTypesFollowTheFirstRow) {
    const QString longText(300, u'x');
    const QString json = QStringLiteral("[{K:'m',R:[{n:1.5,b:true,t:'short',l:'%1',bin:'base64:aGVsbG8=',nothing:null}]}]").arg(longText);
    JsonToRPD_Rst converter;
    ASSERT_EQ(converter.ParseStringToRPDRs(json), QString());
    RecordSet& rs = *converter.RPDRecordset(0)->recordSet();
    const struct {
        const char16_t* name;
        int type;
        int size;
    } expected[] = {{u"n", fieldtype::Double, 0},          {u"b", fieldtype::Boolean, 0},
                    {u"t", fieldtype::VarWChar, 255},      {u"l", fieldtype::LongVarWChar, 536870910},
                    {u"bin", fieldtype::LongVarBinary, 1073741823}, {u"nothing", fieldtype::LongVarWChar, 536870910}};
    for (const auto& e : expected) {
        const int i = rs.fieldIndex(e.name);
        ASSERT_GE(i, 0) << QString::fromUtf16(e.name).toStdString();
        EXPECT_EQ(rs.field(i).type, e.type) << QString::fromUtf16(e.name).toStdString();
        EXPECT_EQ(rs.field(i).definedSize, e.size) << QString::fromUtf16(e.name).toStdString();
    }
    rs.moveFirst();
    EXPECT_EQ(rs.value(u"bin").value(), Value(QByteArray("hello")));
    EXPECT_EQ(rs.value(u"l").value(), Value(longText));
}

TEST(JsonToRecordSets, MessagesAndNamesAreExact) {
    EXPECT_EQ(convert(u"").message, QStringLiteral("空字符，无法解析"));
    EXPECT_EQ(convert(u"{K:'m',R:[]}").message,
              QStringLiteral("给定的JSON字符不符合预期格式（必须为数组形式，且由七项组成，并大小写敏感）"));
    EXPECT_EQ(convert(u"'text'").message, QStringLiteral("Invalid JSON"));
    // Member names are case-sensitive: k is not K.
    const auto lower = convert(u"[{k:'m',R:{a:1}}]");
    ASSERT_EQ(lower.recordSets.size(), 1u);
    EXPECT_EQ(lower.recordSets[0]->key(), QString());
    // An element without rows adds nothing.
    EXPECT_TRUE(convert(u"[{K:'m',R:'not rows'}]").recordSets.empty());
}

TEST(JsonToRecordSets, ValuesTheColumnsCannotTakeFailTheWholeCall) {
    JsonToRPD_Rst converter;
    const QString tooLong = QStringLiteral("[{K:'m',R:[{t:'a'},{t:'%1'}]}]").arg(QString(300, u'x'));
    EXPECT_THROW(converter.ParseStringToRPDRs(tooLong), ComError);
    EXPECT_THROW(converter.ParseStringToRPDRs(QStringLiteral("[{K:'m',R:[{b:true},{b:1}]}]")), ComError);
    EXPECT_THROW(converter.ParseStringToRPDRs(QStringLiteral("[{K:'m',R:[]}, 5]")), ComError);
}

TEST(JsonToRecordSets, AnUnknownWordEndsItsArrayInsteadOfHanging) {
    const auto c = convert(u"[{K:'m',R:[{a:1},{a:2}]}, negative, {K:'n',R:{b:1}}]");
    EXPECT_EQ(c.message, QString());  // errors while still returning an array are not reported
    ASSERT_EQ(c.recordSets.size(), 1u);
    EXPECT_EQ(c.recordSets[0]->recordSet()->recordCount(), 2);
    const auto text = convert(u"[{K:'m',R:{v:'[trueish]'}}]");  // text read as an array: a child with no rows
    EXPECT_EQ(text.message, QString());
}

}  // namespace
}  // namespace ky
