#include "report/data/record_set_list.h"

#include "data/record_set_fixtures.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

using test::field;
using test::makeRecordSet;
namespace ft = fieldtype;

RecordSetPtr recordsWith(const std::vector<FieldInfo>& fields) { return std::make_shared<RecordSet>(makeRecordSet(fields, {})); }

RecordSetPtr textFields(std::initializer_list<const char16_t*> names) {
    std::vector<FieldInfo> fields;
    for (const char16_t* name : names) fields.push_back(field(QString::fromUtf16(name), ft::VarWChar, 50));
    return recordsWith(fields);
}

RecordSetLinks mainLinks(const QString& key) { return RecordSetLinks{key, QString(), QString(), QString(), QString(), QString()}; }
RecordSetLinks childLinks(const QString& key, const QString& parent) {
    return RecordSetLinks{key, parent, QString(), QString(), QStringLiteral("ID"), QStringLiteral("MainID")};
}

TEST(RecordSetList, StartsWithOneEmptySlot) {
    const RecordSetList list;
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list.slots().front(), nullptr);
}

TEST(RecordSetList, AddReusesAnEmptyLastSlotAndOtherwiseGrows) {
    RecordSetList list;
    const RecordSetPtr first = textFields({u"A"});
    ASSERT_TRUE(list.addRecordset(first, RecordSetLinks{QStringLiteral("Main"), QStringLiteral(" "), QStringLiteral("主表"),
                                                        QStringLiteral("F"), QStringLiteral("P"), QStringLiteral("C")}));
    ASSERT_EQ(list.size(), 1);
    const RpdRecordSetPtr wrapper = list.slots()[0];
    ASSERT_TRUE(wrapper);
    EXPECT_EQ(wrapper->recordSet(), first);  // the record set is shared, not copied
    EXPECT_EQ(wrapper->key(), QStringLiteral("Main"));
    EXPECT_EQ(wrapper->ParentRecordsetKey(), QStringLiteral(" "));
    EXPECT_EQ(wrapper->Description(), QStringLiteral("主表"));
    EXPECT_EQ(wrapper->LinkFriendKey(), QStringLiteral("F"));
    EXPECT_EQ(wrapper->LinkParentKey(), QStringLiteral("P"));
    EXPECT_EQ(wrapper->LinkChildKey(), QStringLiteral("C"));
    EXPECT_TRUE(wrapper->HasField(QStringLiteral("a")));  // catalogued on adding

    ASSERT_TRUE(list.addRecordset(textFields({u"B"}), childLinks(QStringLiteral("Child"), QStringLiteral("Main"))));
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.slots()[0], wrapper);
    EXPECT_EQ(list.slots()[1]->key(), QStringLiteral("Child"));
}

TEST(RecordSetList, AFailedAddLeavesAnEmptyLastSlotForTheNext) {
    const struct {
        const char* why;
        RecordSetPtr bad;
    } rows[] = {
        {"no record set", nullptr},
        {"field names that differ only in case", recordsWith({field(QStringLiteral("Code"), ft::VarWChar), field(QStringLiteral("code"), ft::Integer)})},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        RecordSetList list;
        ASSERT_TRUE(list.addRecordset(textFields({u"A"}), mainLinks(QStringLiteral("Main"))));

        const Status failed = list.addRecordset(row.bad, mainLinks(QStringLiteral("Bad")));
        ASSERT_FALSE(failed);
        EXPECT_FALSE(failed.error().isEmpty());
        ASSERT_EQ(list.size(), 2);
        EXPECT_EQ(list.slots()[1], nullptr);
        EXPECT_EQ(list.findByKey(QStringLiteral("Bad")), nullptr);

        // A second failure does not grow the list again.
        EXPECT_FALSE(list.addRecordset(row.bad, mainLinks(QStringLiteral("Bad"))));
        EXPECT_EQ(list.size(), 2);

        ASSERT_TRUE(list.addRecordset(textFields({u"B"}), mainLinks(QStringLiteral("Next"))));
        ASSERT_EQ(list.size(), 2);
        EXPECT_EQ(list.slots()[1]->key(), QStringLiteral("Next"));
    }
}

TEST(RecordSetList, AddRPDDataStoresANewWrapperWithTheSameKeysAndRecordSet) {
    RecordSetList list;
    RPD_RecordSet prepared;
    prepared.setKey(QStringLiteral("Child"));
    prepared.setParentRecordsetKey(QStringLiteral("Main"));
    prepared.setDescription(QStringLiteral("明细"));
    prepared.setLinkFriendKey(QStringLiteral("F"));
    prepared.setLinkParentKey(QStringLiteral("ID"));
    prepared.setLinkChildKey(QStringLiteral("MainID"));
    prepared.setRecordSet(textFields({u"X"}));

    ASSERT_TRUE(list.addRPDData(&prepared));
    ASSERT_EQ(list.size(), 1);
    const RpdRecordSetPtr stored = list.slots()[0];
    ASSERT_TRUE(stored);
    EXPECT_NE(stored.get(), &prepared);
    EXPECT_EQ(stored->recordSet(), prepared.recordSet());
    EXPECT_EQ(stored->key(), prepared.key());
    EXPECT_EQ(stored->ParentRecordsetKey(), prepared.ParentRecordsetKey());
    EXPECT_EQ(stored->Description(), prepared.Description());
    EXPECT_EQ(stored->LinkFriendKey(), prepared.LinkFriendKey());
    EXPECT_EQ(stored->LinkParentKey(), prepared.LinkParentKey());
    EXPECT_EQ(stored->LinkChildKey(), prepared.LinkChildKey());
    EXPECT_TRUE(stored->HasField(QStringLiteral("x")));

    // Later changes to the prepared wrapper do not reach the stored one.
    prepared.setKey(QStringLiteral("Renamed"));
    EXPECT_EQ(stored->key(), QStringLiteral("Child"));
}

TEST(RecordSetList, AddRPDDataIgnoresAMissingWrapperOrRecordSet) {
    RecordSetList list;
    ASSERT_TRUE(list.addRecordset(textFields({u"A"}), mainLinks(QStringLiteral("Main"))));
    const auto before = list.slots();

    EXPECT_TRUE(list.addRPDData(nullptr));
    RPD_RecordSet withoutRecords;
    withoutRecords.setKey(QStringLiteral("Empty"));
    EXPECT_TRUE(list.addRPDData(&withoutRecords));
    EXPECT_EQ(list.slots(), before);
}

TEST(RecordSetList, ReleaseAllEmptiesEverySlotAndKeepsTheCount) {
    RecordSetList list;
    ASSERT_TRUE(list.addRecordset(textFields({u"A"}), mainLinks(QStringLiteral("A"))));
    ASSERT_TRUE(list.addRecordset(textFields({u"B"}), mainLinks(QStringLiteral("B"))));
    list.releaseAll();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.slots()[0], nullptr);
    EXPECT_EQ(list.slots()[1], nullptr);
    // The next add reuses the last slot.
    ASSERT_TRUE(list.addRecordset(textFields({u"C"}), mainLinks(QStringLiteral("C"))));
    EXPECT_EQ(list.size(), 2);
}

TEST(RecordSetList, FindByKeyIgnoresCaseAndSkipsEmptySlots) {
    RecordSetList list;
    ASSERT_TRUE(list.addRecordset(textFields({u"A"}), mainLinks(QStringLiteral("Main"))));
    EXPECT_FALSE(list.addRecordset(nullptr, mainLinks(QStringLiteral("x"))));  // an empty slot in between
    list.replace({list.slots()[0], nullptr, nullptr});
    ASSERT_TRUE(list.addRecordset(textFields({u"B"}), childLinks(QStringLiteral("Detail"), QStringLiteral("Main"))));

    EXPECT_EQ(list.findByKey(QStringLiteral("MAIN")), list.slots()[0]);
    EXPECT_EQ(list.findByKey(QStringLiteral("detail")), list.slots()[2]);
    EXPECT_EQ(list.findByKey(QStringLiteral("Nope")), nullptr);
    EXPECT_EQ(list.findByKey(QString()), nullptr);
}

MainFieldLists lists(const char16_t* all, const char16_t* textNum, const char16_t* boolean, const char16_t* binary) {
    return MainFieldLists{QString::fromUtf16(all), QString::fromUtf16(textNum), QString::fromUtf16(boolean), QString::fromUtf16(binary)};
}

TEST(MainFieldLists, ListTheMainRecordSetsFieldsOnceEach) {
    const RecordSetPtr typed = recordsWith({field(QStringLiteral("ID"), ft::Integer), field(QStringLiteral("Paid"), ft::Boolean),
                                            field(QStringLiteral("Photo"), ft::VarBinary)});
    const struct {
        const char* why;
        std::vector<std::pair<RecordSetPtr, RecordSetLinks>> sets;
        MainFieldLists expected;
    } rows[] = {
        {"text fields only: the typed lists hold the empty name",
         {{textFields({u"A", u"B"}), mainLinks(QStringLiteral("M"))}},
         lists(u";A;B;", u";A;B;", u";;", u";;")},
        {"two main record sets share ID: listed once",
         {{textFields({u"ID", u"Name"}), mainLinks(QStringLiteral("M1"))}, {typed, mainLinks(QStringLiteral("M2"))}},
         lists(u";ID;Name;Paid;Photo;", u";ID;Name;", u";;Paid;", u";;Photo;")},
        {"names compare without regard to case; the first spelling stays",
         {{textFields({u"id"}), mainLinks(QStringLiteral("M1"))}, {textFields({u"ID", u"Extra"}), mainLinks(QStringLiteral("M2"))}},
         lists(u";id;Extra;", u";id;Extra;", u";;", u";;")},
        {"a child record set's fields are not listed",
         {{textFields({u"A"}), mainLinks(QStringLiteral("M"))}, {textFields({u"ChildOnly"}), childLinks(QStringLiteral("C"), QStringLiteral("M"))}},
         lists(u";A;", u";A;", u";;", u";;")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        RecordSetList list;
        for (const auto& [records, links] : row.sets) ASSERT_TRUE(list.addRecordset(records, links));
        MainFieldLists built;
        built.all = QStringLiteral("stale");
        ASSERT_TRUE(buildMainFieldLists(list, built));
        EXPECT_EQ(built.all, row.expected.all);
        EXPECT_EQ(built.textNum, row.expected.textNum);
        EXPECT_EQ(built.boolean, row.expected.boolean);
        EXPECT_EQ(built.binary, row.expected.binary);
    }
}

TEST(MainFieldLists, AnEmptySlotIsAnErrorAndKeepsWhatWasBuiltBeforeIt) {
    RecordSetList list;
    ASSERT_TRUE(list.addRecordset(textFields({u"A"}), mainLinks(QStringLiteral("M1"))));
    EXPECT_FALSE(list.addRecordset(nullptr, mainLinks(QStringLiteral("gap"))));
    list.replace({list.slots()[0], nullptr, nullptr});
    ASSERT_TRUE(list.addRecordset(textFields({u"B"}), mainLinks(QStringLiteral("M2"))));

    MainFieldLists built;
    const Status s = buildMainFieldLists(list, built);
    ASSERT_FALSE(s);
    EXPECT_TRUE(s.error().contains(QStringLiteral("1"))) << s.error().toStdString();  // names the slot
    EXPECT_EQ(built, lists(u";A;", u";A;", u";;", u";;"));

    // A new report's single empty slot: nothing built at all.
    MainFieldLists fresh;
    fresh.all = QStringLiteral(";old;");
    EXPECT_FALSE(buildMainFieldLists(RecordSetList(), fresh));
    EXPECT_EQ(fresh, MainFieldLists{});
}

}  // namespace
}  // namespace ky
