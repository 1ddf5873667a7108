#include "tools/setup_log_writer/installation_log.h"

#include "unsetup/common_texts.h"
#include "unsetup/setup_log.h"
#include "unsetup/test_support.h"

#include <gtest/gtest.h>

namespace ky::install {
namespace {

using unsetup::testing_support::str;
namespace section = unsetup::section;

QStringList entries(const unsetup::SetupLog& log, QStringView name) {
    QStringList found;
    for (int i = 0; i < log.entryCount(name); ++i) found.append(log.entry(name, i));
    return found;
}

QStringList keyTexts(const RegistryChanges& changes) {
    QStringList texts;
    for (const auto& key : changes.keys) texts.append(unsetup::registryKeyText(key.hive, key.path));
    for (const auto& value : changes.values)
        texts.append(unsetup::registryKeyText(value.hive, value.path) + u'=' + value.name);
    // The removal takes them in any order.
    texts.sort();
    return texts;
}

RegistryTree treeOf(const char* regText) {
    return RegistryTree::fromRegText(QByteArray("Windows Registry Editor Version 5.00\n\n") + regText).value();
}

// What registering one class writes, with the class key below HKCR\CLSID.
constexpr const char* kClassRegistration =
    "[HKEY_CLASSES_ROOT\\Ky.Thing\\CLSID]\n@=\"{11111111-2222-3333-4444-555555555555}\"\n"
    "[HKEY_CLASSES_ROOT\\CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32]\n@=\"/opt/ky/lib/k.so\"\n";

struct RegistryCase {
    const char* name;
    const char* before;
    const char* after;
    std::vector<const char*> expected;  // keys, then values as "KEY=name"
};

class RegistryChangesTest : public testing::TestWithParam<RegistryCase> {};

TEST_P(RegistryChangesTest, ListsWhatIsNewAtItsHighestLevel) {
    const RegistryCase& c = GetParam();
    QStringList expected;
    for (const char* text : c.expected) expected.append(str(text));
    EXPECT_EQ(keyTexts(registryChanges(treeOf(c.before), treeOf(c.after))), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryChangesTest,
    testing::Values(
        // HKCR\CLSID is new here too, but other classes will live in it.
        RegistryCase{"EmptyRegistry", "", kClassRegistration,
                     {"HKCR\\CLSID\\{11111111-2222-3333-4444-555555555555}", "HKCR\\Ky.Thing"}},
        RegistryCase{"OtherClassesStay",
                     "[HKEY_CLASSES_ROOT\\CLSID\\{99999999-2222-3333-4444-555555555555}]\n@=\"other\"\n",
                     "[HKEY_CLASSES_ROOT\\CLSID\\{99999999-2222-3333-4444-555555555555}]\n@=\"other\"\n"
                     "[HKEY_CLASSES_ROOT\\Ky.Thing\\CLSID]\n@=\"{11111111-2222-3333-4444-555555555555}\"\n"
                     "[HKEY_CLASSES_ROOT\\CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32]\n@=\"x\"\n",
                     {"HKCR\\CLSID\\{11111111-2222-3333-4444-555555555555}", "HKCR\\Ky.Thing"}},
        // A SOFTWARE key is never removed, so what is below it is listed.
        RegistryCase{"BelowSoftware", "", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\App]\n\"Dir\"=\"/opt/app\"\n",
                     {"HKLM\\SOFTWARE\\Vendor"}},
        // A changed value cannot be put back, so only the added one is listed.
        RegistryCase{"ValuesInAnOldKey", "[HKEY_CURRENT_USER\\Software\\Vendor]\n\"Old\"=\"1\"\n",
                     "[HKEY_CURRENT_USER\\Software\\Vendor]\n\"Old\"=\"2\"\n\"New\"=dword:00000001\n@=\"d\"\n",
                     {"HKCU\\Software\\Vendor=", "HKCU\\Software\\Vendor=New"}},
        RegistryCase{"NothingNew", kClassRegistration, kClassRegistration, {}}),
    [](const testing::TestParamInfo<RegistryCase>& test) { return std::string(test.param.name); });

struct FolderCase {
    const char* name;
    std::vector<const char*> existedBefore;
    std::vector<const char*> inside;
    std::vector<const char*> prefix;
};

class CreatedFoldersTest : public testing::TestWithParam<FolderCase> {};

TEST_P(CreatedFoldersTest, ListsFoldersThatWereMissingDeepestFirst) {
    const FolderCase& c = GetParam();
    QSet<QString> before;
    for (const char* folder : c.existedBefore) before.insert(str(folder));
    const QStringList files{str("/t/opt/ky/bin/kyreport"), str("/t/opt/ky/share/ky/fonts.conf"),
                            str("/t/opt/ky/share/doc/README.md"), str("/t/opt/ky/unsetup"), str("/elsewhere/x")};
    const CreatedFolders made = createdFolders(str("/t/opt/ky"), files, before);
    QStringList inside, prefix;
    for (const char* folder : c.inside) inside.append(str(folder));
    for (const char* folder : c.prefix) prefix.append(str(folder));
    EXPECT_EQ(made.inside, inside);
    EXPECT_EQ(made.prefix, prefix);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CreatedFoldersTest,
    testing::Values(
        // The installation made /t/opt for its prefix, so it goes with it.
        FolderCase{"NewPrefix",
                   {"/", "/t"},
                   {"/t/opt/ky/share/ky", "/t/opt/ky/share/doc", "/t/opt/ky/share", "/t/opt/ky/bin"},
                   {"/t/opt/ky", "/t/opt"}},
        FolderCase{"PartlyThere",
                   {"/", "/t", "/t/opt", "/t/opt/ky", "/t/opt/ky/share"},
                   {"/t/opt/ky/share/ky", "/t/opt/ky/share/doc", "/t/opt/ky/bin"},
                   {}},
        FolderCase{"AllThere",
                   {"/", "/t", "/t/opt", "/t/opt/ky", "/t/opt/ky/share", "/t/opt/ky/share/ky", "/t/opt/ky/share/doc",
                    "/t/opt/ky/bin"},
                   {},
                   {}}),
    [](const testing::TestParamInfo<FolderCase>& test) { return std::string(test.param.name); });

Installation sampleInstallation() {
    Installation installation;
    installation.applicationName = str("KyReport");
    installation.files = {str("/opt/ky/lib/libKy_Report.so"), str("/opt/ky/Setup.log")};
    installation.folders = {{str("/opt/ky/lib")}, {str("/opt/ky")}};
    installation.registry.keys = {{Hive::ClassesRoot, str("Ky.Thing")}};
    installation.registry.values = {{Hive::CurrentUser, str("Software\\Vendor"), str("Size, width")}};
    installation.libraries = {str("/opt/ky/lib/libKy_Report.so")};
    return installation;
}

TEST(InstallationLog, ReadsBackAsTheUninstallerReadsIt) {
    const auto text = installationLogText(sampleInstallation());
    ASSERT_TRUE(text) << text.error().toStdString();
    EXPECT_TRUE(text->startsWith("[COMMON]\r\n"));
    const auto log = unsetup::SetupLog::parse(text.value());

    EXPECT_EQ(unsetup::applicationName(log), str("KyReport"));
    EXPECT_EQ(unsetup::commonText(log, unsetup::text::mainTitle), str("KyReport 卸载程序"));
    EXPECT_FALSE(unsetup::commonText(log, unsetup::text::fileFailed).isEmpty());
    EXPECT_EQ(entries(log, section::appFiles), QStringList({str("/opt/ky/lib/libKy_Report.so"), str("/opt/ky/Setup.log")}));
    EXPECT_EQ(entries(log, section::appFolders), QStringList{str("/opt/ky/lib")});
    EXPECT_EQ(entries(log, section::appDir), QStringList{str("/opt/ky")});
    EXPECT_EQ(entries(log, section::libraries), QStringList{str("/opt/ky/lib/libKy_Report.so")});

    const auto key = unsetup::readRegistryKeyEntry(log.entry(section::registryKeys, 0));
    ASSERT_TRUE(key);
    EXPECT_EQ(key->hive, Hive::ClassesRoot);
    EXPECT_EQ(key->path, str("Ky.Thing"));
    const auto value = unsetup::readRegistryValueEntry(log.entry(section::registryValues, 0));
    ASSERT_TRUE(value);
    EXPECT_EQ(value->path, str("Software\\Vendor"));
    EXPECT_EQ(value->name, str("Size, width"));
}

TEST(InstallationLog, RefusesEntriesThatWouldNotReadBack) {
    const std::vector<std::pair<const char*, std::function<void(Installation&)>>> cases{
        {"relative file", [](Installation& i) { i.files.append(str("bin/kyreport")); }},
        {"line break in a file", [](Installation& i) { i.files.append(str("/opt/ky/a\nb")); }},
        {"a line the reader drops", [](Installation& i) { i.folders.prefix = {str("/k")}; }},
        {"comma in a value's key", [](Installation& i) { i.registry.values[0].path = str("Software\\a,b"); }},
    };
    for (const auto& [name, spoil] : cases) {
        Installation installation = sampleInstallation();
        spoil(installation);
        EXPECT_FALSE(installationLogText(installation)) << name;
    }
}

}  // namespace
}  // namespace ky::install
