// The component as a host sees it: the shared library loaded by path,
// registered in a private registry store, and its classes created by ProgID.

#include "report/api/ky_report.h"
#include "report/data/string_builder.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace ky {
namespace {

class ComponentLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        registryPath = dir.filePath(QStringLiteral("registry.reg"));
        ::setenv("KY_REGISTRY", registryPath.toLocal8Bit().constData(), 1);
        auto opened = com::ComponentLibrary::open(QStringLiteral(KY_COMPONENT_LIBRARY));
        ASSERT_TRUE(opened) << opened.error().toStdString();
        library = opened.value();
        ASSERT_EQ(library->registerServer(), hresult::ok);
    }
    void TearDown() override { ::unsetenv("KY_REGISTRY"); }

    QTemporaryDir dir;
    QString registryPath;
    std::shared_ptr<com::ComponentLibrary> library;
};

TEST_F(ComponentLibraryTest, RegistersEveryCreatableClassAndUnregistersThemAgain) {
    auto tree = RegistryStore(registryPath).read();
    ASSERT_TRUE(tree);
    QStringList progIds;
    for (const auto& entry : com::registeredClasses(tree.value())) {
        progIds.append(entry.progId);
        EXPECT_EQ(entry.libraryPath, library->path());
    }
    EXPECT_EQ(progIds, (QStringList{QStringLiteral("Ky_Qm_NEWRPD.RPD"), QStringLiteral("Ky_Qm_NEWRPD.RPD_RecordSet"),
                                    QStringLiteral("Ky_Qm_NEWRPD.StaticClass"), QStringLiteral("Ky_Qm_NEWRPD.StringBuilder")}));

    ASSERT_EQ(library->unregisterServer(), hresult::ok);
    tree = RegistryStore(registryPath).read();
    ASSERT_TRUE(tree);
    EXPECT_TRUE(com::registeredClasses(tree.value()).empty());
}

TEST_F(ComponentLibraryTest, AHostCreatesTheReportObjectByProgId) {
    com::ComponentRuntime runtime{RegistryStore(registryPath)};
    {
        auto object = runtime.createObject(QStringLiteral("Ky_Qm_NEWRPD.RPD"));
        ASSERT_TRUE(object) << object.error().toStdString();
        EXPECT_FALSE(library->canUnloadNow());  // an object of the library is alive
        EXPECT_FALSE(com::queryInterface<IStaticClass>(object.value()));  // not one of its interfaces
        auto rpd = com::queryInterface<IRPD>(object.value());
        ASSERT_TRUE(rpd);

        auto records = std::make_shared<RecordSet>();
        ASSERT_TRUE(records->appendField({QStringLiteral("Name"), fieldtype::VarWChar, 50, true}));
        records->open();
        rpd->AddRecordset(records, QStringLiteral("main"), {}, {}, {}, {}, {});
        rpd->Ready();
        EXPECT_TRUE(rpd->SetXmlFormat(QStringLiteral("<Report/>")));
        // Failures cross the library boundary as ComError.
        EXPECT_THROW(rpd->AddRecordset(nullptr, QStringLiteral("x"), {}, {}, {}, {}, {}), ComError);
    }
    EXPECT_TRUE(library->canUnloadNow());  // every object released, the record sets with it
}

TEST_F(ComponentLibraryTest, RecordSetWrapperAndStaticClassAreCreatable) {
    com::ComponentRuntime runtime{RegistryStore(registryPath)};
    auto wrapper = runtime.create<IRPD_RecordSet>(QStringLiteral("Ky_Qm_NEWRPD.RPD_RecordSet"));
    ASSERT_TRUE(wrapper) << wrapper.error().toStdString();
    wrapper.value()->setParentRecordsetKey(QStringLiteral("main"));
    EXPECT_FALSE(wrapper.value()->IsMain());

    auto helper = runtime.create<IStaticClass>(QStringLiteral("Ky_Qm_NEWRPD.StaticClass"));
    ASSERT_TRUE(helper) << helper.error().toStdString();
    const QString guid = helper.value()->NewGUID();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{32}$")).match(guid).hasMatch()) << guid.toStdString();
    EXPECT_NE(helper.value()->NewGUID(), guid);
}

TEST_F(ComponentLibraryTest, AStringBuilderIsCreatable) {
    com::ComponentRuntime runtime{RegistryStore(registryPath)};
    auto builder = runtime.create<IStringBuilder>(QStringLiteral("Ky_Qm_NEWRPD.StringBuilder"));
    ASSERT_TRUE(builder) << builder.error().toStdString();
    builder.value()->AppendNL(QStringLiteral("检验"));
    EXPECT_EQ(builder.value()->toString(), QStringLiteral("检验\r\n"));
    EXPECT_THROW(builder.value()->Remove(5, 1), ComError);
}

TEST_F(ComponentLibraryTest, UnknownClassesAreRefused) {
    com::ComponentRuntime runtime{RegistryStore(registryPath)};
    EXPECT_FALSE(runtime.createObject(QStringLiteral("Ky_Qm_NEWRPD.NoSuchClass")));
    const auto factory = library->classFactory(Guid::create());
    ASSERT_FALSE(factory);
    EXPECT_TRUE(factory.error().contains(library->path()));
}

}  // namespace
}  // namespace ky
