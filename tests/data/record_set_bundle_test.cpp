#include "report/data/record_set_bundle.h"

#include "report/data/record_set_stream.h"

#include "data/record_set_fixtures.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

using test::field;
using test::makeRecordSet;
namespace ft = fieldtype;

RecordSetPtr orders() {
    return std::make_shared<RecordSet>(makeRecordSet(
        {field(QStringLiteral("ID"), ft::Integer), field(QStringLiteral("Patient"), ft::VarWChar, 50),
         field(QStringLiteral("Urgent"), ft::Boolean), field(QStringLiteral("Scan"), ft::LongVarBinary)},
        {{1, QStringLiteral("张三"), true, QByteArray("\x89PNG", 4)}, {2, QStringLiteral("Li"), false, Value::null()}}));
}

RecordSetPtr results() {
    return std::make_shared<RecordSet>(makeRecordSet(
        {field(QStringLiteral("OrderID"), ft::Integer), field(QStringLiteral("Item"), ft::VarWChar, 20), field(QStringLiteral("Value"), ft::Double)},
        {{1, QStringLiteral("GLU"), 5.6}, {1, QStringLiteral("HGB"), 135.0}, {2, QStringLiteral("GLU"), 7.1}}));
}

// A main record set, a child linked to it, and a wrapper without data.
RecordSetList sampleList() {
    RecordSetList list;
    EXPECT_TRUE(list.addRecordset(orders(), RecordSetLinks{QStringLiteral("Orders"), QString(), QStringLiteral("申请单"),
                                                           QStringLiteral("Friend"), QString(), QString()}));
    EXPECT_TRUE(list.addRecordset(results(), RecordSetLinks{QStringLiteral("Results"), QStringLiteral("Orders"), QStringLiteral("结果"),
                                                            QString(), QStringLiteral("ID"), QStringLiteral("OrderID")}));
    auto bare = std::make_shared<RPD_RecordSet>();
    bare->setKey(QStringLiteral("Bare"));
    bare->setDescription(QStringLiteral("no data yet"));
    auto slots = list.slots();
    slots.push_back(bare);
    list.replace(std::move(slots));
    return list;
}

void expectSameWrapper(const RPD_RecordSet& a, const RPD_RecordSet& b) {
    EXPECT_EQ(a.key(), b.key());
    EXPECT_EQ(a.Description(), b.Description());
    EXPECT_EQ(a.ParentRecordsetKey(), b.ParentRecordsetKey());
    EXPECT_EQ(a.LinkParentKey(), b.LinkParentKey());
    EXPECT_EQ(a.LinkChildKey(), b.LinkChildKey());
    EXPECT_EQ(a.LinkFriendKey(), b.LinkFriendKey());
    ASSERT_EQ(a.recordSet() == nullptr, b.recordSet() == nullptr);
    if (a.recordSet()) {
        EXPECT_EQ(saveRecordSet(*a.recordSet()), saveRecordSet(*b.recordSet()));
    }
}

TEST(RecordSetBundle, PackAndLoadReproduceTheList) {
    const RecordSetList original = sampleList();
    const auto packed = packRecordSets(original);
    ASSERT_TRUE(packed) << packed.error().toStdString();

    RecordSetList loaded;
    ASSERT_TRUE(loadRecordSets(loaded, packed.value()));
    ASSERT_EQ(loaded.size(), 3);
    for (qsizetype i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(loaded.slots()[static_cast<size_t>(i)]);
        expectSameWrapper(*original.slots()[static_cast<size_t>(i)], *loaded.slots()[static_cast<size_t>(i)]);
    }
    // Catalogues are ready at once.
    const RpdRecordSetPtr orderSet = loaded.findByKey(QStringLiteral("orders"));
    ASSERT_TRUE(orderSet);
    EXPECT_TRUE(orderSet->HasField(QStringLiteral("patient")));
    EXPECT_EQ(orderSet->BoolFiledNameArray(), QStringList{QStringLiteral("Urgent")});
    EXPECT_EQ(orderSet->BinFiledNameArray(), QStringList{QStringLiteral("Scan")});
    EXPECT_FALSE(loaded.slots()[1]->IsMain());
    EXPECT_EQ(loaded.slots()[2]->recordSet(), nullptr);

    // The loaded data are the report's own: a fresh record set per wrapper.
    EXPECT_NE(orderSet->recordSet(), original.slots()[0]->recordSet());
    EXPECT_EQ(orderSet->recordSet()->absolutePosition(), 1);
}

TEST(RecordSetBundle, EmptySlotsAreLeftOut) {
    RecordSetList list;
    ASSERT_TRUE(list.addRecordset(results(), RecordSetLinks{QStringLiteral("R"), {}, {}, {}, {}, {}}));
    list.replace({nullptr, list.slots()[0], nullptr});
    const auto packed = packRecordSets(list);
    ASSERT_TRUE(packed);
    RecordSetList loaded;
    ASSERT_TRUE(loadRecordSets(loaded, packed.value()));
    ASSERT_EQ(loaded.size(), 1);
    EXPECT_EQ(loaded.slots()[0]->key(), QStringLiteral("R"));

    // A list of empty slots packs to a bundle without rows.
    const auto none = packRecordSets(RecordSetList());
    ASSERT_TRUE(none);
    ASSERT_TRUE(loadRecordSets(loaded, none.value()));
    EXPECT_EQ(loaded.size(), 0);
}

TEST(RecordSetBundle, AFilterDoesNotDropRowsFromThePack) {
    RecordSetList list;
    const RecordSetPtr records = results();
    ASSERT_TRUE(records->setFilter(QStringLiteral("Item = 'HGB'")));
    ASSERT_TRUE(list.addRecordset(records, RecordSetLinks{QStringLiteral("R"), {}, {}, {}, {}, {}}));
    const auto packed = packRecordSets(list);
    ASSERT_TRUE(packed);
    RecordSetList loaded;
    ASSERT_TRUE(loadRecordSets(loaded, packed.value()));
    EXPECT_EQ(loaded.slots()[0]->recordSet()->recordCount(), 3);
    EXPECT_EQ(records->recordCount(), 1);  // the original keeps its filter
}

TEST(RecordSetBundle, AMissingOrEmptyBundleLeavesTheListAlone) {
    RecordSetList list = sampleList();
    const auto before = list.slots();
    EXPECT_TRUE(loadRecordSets(list, nullptr));
    EXPECT_TRUE(loadRecordSets(list, makeStream()));
    EXPECT_EQ(list.slots(), before);
}

TEST(RecordSetBundle, ADamagedBundleIsAnErrorAndLeavesTheListAlone) {
    const QByteArray good = packRecordSets(sampleList()).value()->bytes();

    // A bundle whose rows carry a damaged record set.
    const RecordSet withBadRows = makeRecordSet({field(QStringLiteral("Key"), ft::VarWChar, 4000), field(QStringLiteral("Recordset"), ft::LongVarBinary)},
                                          {{QStringLiteral("Broken"), QByteArray("KYRS but not really")}});
    // A record set that is not a bundle at all.
    const RecordSet notABundle = makeRecordSet({field(QStringLiteral("Name"), ft::VarWChar, 10)}, {{QStringLiteral("x")}});

    const struct {
        const char* why;
        QByteArray bytes;
    } cases[] = {
        {"truncated", good.left(good.size() / 2)},
        {"one byte short", good.left(good.size() - 1)},
        {"not a record set", QByteArray("garbage, not a bundle")},
        {"no Key field", saveRecordSet(notABundle)},
        {"a damaged record set inside", saveRecordSet(withBadRows)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        RecordSetList list = sampleList();
        const auto before = list.slots();
        const auto stream = makeStream(c.bytes);
        stream->setPosition(stream->size());  // the loader rewinds
        const Status s = loadRecordSets(list, stream);
        ASSERT_FALSE(s);
        EXPECT_FALSE(s.error().isEmpty());
        EXPECT_EQ(list.slots(), before);
    }
}

TEST(RecordSetBundle, ARowWithANullRecordsetGivesAWrapperWithoutData) {
    // A hand-made bundle: the key and link fields, Recordset null.
    RecordSet bundle = makeRecordSet({field(QStringLiteral("Key"), ft::VarWChar, 4000), field(QStringLiteral("ParentRecordsetKey"), ft::VarWChar, 4000),
                                      field(QStringLiteral("Recordset"), ft::LongVarBinary)},
                                     {{QStringLiteral("Later"), QStringLiteral("Main"), Value::null()}});
    RecordSetList list;
    ASSERT_TRUE(loadRecordSets(list, makeStream(saveRecordSet(bundle))));
    ASSERT_EQ(list.size(), 1);
    const RpdRecordSetPtr wrapper = list.slots()[0];
    ASSERT_TRUE(wrapper);
    EXPECT_EQ(wrapper->key(), QStringLiteral("Later"));
    EXPECT_EQ(wrapper->ParentRecordsetKey(), QStringLiteral("Main"));
    EXPECT_EQ(wrapper->Description(), QString());  // a missing field reads as empty
    EXPECT_EQ(wrapper->recordSet(), nullptr);
    EXPECT_FALSE(wrapper->Fields());
}

TEST(RecordSetBundle, ClashingFieldNamesLoadButLeaveTheCatalogueToReady) {
    RecordSetList list;
    auto clash = std::make_shared<RPD_RecordSet>();
    clash->setKey(QStringLiteral("Clash"));
    clash->setRecordSet(std::make_shared<RecordSet>(
        makeRecordSet({field(QStringLiteral("Code"), ft::VarWChar), field(QStringLiteral("CODE"), ft::Integer)}, {})));
    list.replace({clash});
    const auto packed = packRecordSets(list);
    ASSERT_TRUE(packed);

    RecordSetList loaded;
    ASSERT_TRUE(loadRecordSets(loaded, packed.value()));
    ASSERT_EQ(loaded.size(), 1);
    ASSERT_TRUE(loaded.slots()[0]->recordSet());
    EXPECT_EQ(loaded.slots()[0]->recordSet()->fieldCount(), 2);
    EXPECT_FALSE(loaded.slots()[0]->Fields());
    EXPECT_THROW(loaded.slots()[0]->Ready(), ComError);
}

}  // namespace
}  // namespace ky
