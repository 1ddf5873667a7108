#include "platform/component_runtime.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ky::com {
namespace {

const Guid kClsid{0xAAAA0001, 0x0002, 0x0003, {1, 2, 3, 4, 5, 6, 7, 8}};

ClassRegistration sample(const QString& progId = QStringLiteral("Lib.Thing"), Guid clsid = kClsid) {
    return {progId, clsid, QStringLiteral("/opt/ky/libThing.so"), QStringLiteral("A thing")};
}

TEST(ClassRegistration, WritesTheProgIdAndClassKeys) {
    RegistryTree tree;
    writeClassRegistration(tree, sample());
    const QString classKey = QStringLiteral("CLSID\\") + kClsid.toBracedString();
    EXPECT_EQ(tree.value(Hive::ClassesRoot, QStringLiteral("Lib.Thing\\CLSID"), {})->text, kClsid.toBracedString());
    EXPECT_EQ(tree.value(Hive::ClassesRoot, classKey + QStringLiteral("\\InprocServer32"), {})->text,
              QStringLiteral("/opt/ky/libThing.so"));
    EXPECT_EQ(tree.value(Hive::ClassesRoot, classKey + QStringLiteral("\\ProgID"), {})->text, QStringLiteral("Lib.Thing"));

    const auto found = findClassRegistration(tree, QStringLiteral("lib.thing"));  // keys ignore case
    ASSERT_TRUE(found) << found.error().toStdString();
    EXPECT_EQ(found->clsid, kClsid);
    EXPECT_EQ(found->libraryPath, QStringLiteral("/opt/ky/libThing.so"));
}

TEST(ClassRegistration, ListsClassesSortedAndForgetsErasedOnes) {
    RegistryTree tree;
    const Guid other{0xBBBB0001, 2, 3, {8, 7, 6, 5, 4, 3, 2, 1}};
    writeClassRegistration(tree, sample(QStringLiteral("Lib.Zebra"), other));
    writeClassRegistration(tree, sample());
    tree.setValue(Hive::ClassesRoot, QStringLiteral(".txt"), {}, RegistryValue::string(QStringLiteral("txtfile")));

    auto listed = registeredClasses(tree);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].progId, QStringLiteral("Lib.Thing"));
    EXPECT_EQ(listed[1].progId, QStringLiteral("Lib.Zebra"));

    eraseClassRegistration(tree, QStringLiteral("Lib.Thing"), kClsid);
    listed = registeredClasses(tree);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_FALSE(tree.keyExists(Hive::ClassesRoot, QStringLiteral("CLSID\\") + kClsid.toBracedString()));
}

TEST(ClassRegistration, BrokenEntriesAreReportedNotFollowed) {
    RegistryTree tree;
    tree.setValue(Hive::ClassesRoot, QStringLiteral("Bad.Guid\\CLSID"), {}, RegistryValue::string(QStringLiteral("{nope}")));
    writeClassRegistration(tree, sample(QStringLiteral("No.Library")));
    tree.setValue(Hive::ClassesRoot, QStringLiteral("CLSID\\") + kClsid.toBracedString() + QStringLiteral("\\InprocServer32"), {},
                  RegistryValue::string(QString()));

    for (const char16_t* progId : {u"Missing.Class", u"Bad.Guid", u"No.Library"}) {
        const auto found = findClassRegistration(tree, QString::fromUtf16(progId));
        ASSERT_FALSE(found);
        EXPECT_TRUE(found.error().contains(QString::fromUtf16(progId))) << found.error().toStdString();
    }
}

TEST(ComponentRuntime, ExplainsWhyAnObjectCannotBeCreated) {
    QTemporaryDir dir;
    RegistryStore store(dir.filePath(QStringLiteral("registry.reg")));
    ASSERT_TRUE(store.update([](RegistryTree& tree) {
        writeClassRegistration(tree, {QStringLiteral("Gone.Library"), kClsid, QStringLiteral("/nonexistent/libGone.so"), {}});
    }));
    ComponentRuntime runtime(store);

    const auto unregistered = runtime.createObject(QStringLiteral("Ky_Qm_NEWRPD.Nothing"));
    ASSERT_FALSE(unregistered);
    EXPECT_TRUE(unregistered.error().contains(QStringLiteral("not registered")));

    const auto unloadable = runtime.createObject(QStringLiteral("Gone.Library"));
    ASSERT_FALSE(unloadable);
    EXPECT_TRUE(unloadable.error().contains(QStringLiteral("/nonexistent/libGone.so")));
}

}  // namespace
}  // namespace ky::com
