#include "unsetup/log_entries.h"
#include "unsetup/registry_protection.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace ky::unsetup {
namespace {

using namespace testing_support;

TEST(LogEntries, ReadsEachKindOfEntry) {
    EXPECT_EQ(readPathEntry(str(" /opt/lab//bin/client ")).value(), str("/opt/lab/bin/client"));

    const auto font = readFontEntry(str("/usr/share/fonts/ky/song.ttf,宋体 (TrueType)")).value();
    EXPECT_EQ(font.file, str("/usr/share/fonts/ky/song.ttf"));
    EXPECT_EQ(font.valueName, str("宋体 (TrueType)"));

    const auto key = readRegistryKeyEntry(str("HKLM,Software\\kestrow\\lab")).value();
    EXPECT_EQ(key.hive, Hive::LocalMachine);
    EXPECT_EQ(key.path, str("Software\\kestrow\\lab"));

    // The last field keeps its commas.
    const auto value = readRegistryValueEntry(str("HKCU, Software\\kestrow , Size, width")).value();
    EXPECT_EQ(value.hive, Hive::CurrentUser);
    EXPECT_EQ(value.path, str("Software\\kestrow"));
    EXPECT_EQ(value.name, str("Size, width"));

    const auto ini = readIniKeyEntry(str("/etc/ky/printer.ini,AutoSave,Folder")).value();
    EXPECT_EQ(ini.file, str("/etc/ky/printer.ini"));
    EXPECT_EQ(ini.section, str("AutoSave"));
    EXPECT_EQ(ini.key, str("Folder"));

    const auto program = readProgramEntry(str("/opt/lab/bin/cleanup,--all --force,/opt/lab,1,0,1")).value();
    EXPECT_EQ(program.program, str("/opt/lab/bin/cleanup"));
    EXPECT_EQ(program.parameters, str("--all --force"));
    EXPECT_EQ(program.workingFolder, str("/opt/lab"));
    EXPECT_TRUE(program.noWait);
    EXPECT_FALSE(readProgramEntry(str("/opt/lab/bin/cleanup")).value().noWait);
}

TEST(LogEntries, RefusesEntriesThatDoNotRead) {
    EXPECT_FALSE(readPathEntry(str("bin/client")));                    // relative
    EXPECT_FALSE(readFontEntry(str("/usr/share/fonts/song.ttf")));     // no value name
    EXPECT_FALSE(readRegistryKeyEntry(str("HKEY_LOCAL_MACHINE,Software\\x")));  // only short hive names
    EXPECT_FALSE(readRegistryKeyEntry(str("HKCC,Software\\x")));
    EXPECT_FALSE(readRegistryKeyEntry(str("HKLM")));
    EXPECT_FALSE(readRegistryValueEntry(str("HKLM,Software\\x")));
    EXPECT_FALSE(readIniKeyEntry(str("/etc/a.ini,Section")));
    EXPECT_FALSE(readProgramEntry(str(",params")));
}

struct ProtectionCase {
    Hive hive;
    const char* path;
    bool isProtected;
};

class RegistryProtection : public testing::TestWithParam<ProtectionCase> {};

TEST_P(RegistryProtection, KeepsTopLevelKeysAndEveryKeyNamedSoftware) {
    const ProtectionCase& c = GetParam();
    EXPECT_EQ(isProtectedKey(c.hive, str(c.path)), c.isProtected) << c.path;
}

INSTANTIATE_TEST_SUITE_P(Cases, RegistryProtection,
    testing::Values(ProtectionCase{Hive::LocalMachine, "SOFTWARE", true},
                    ProtectionCase{Hive::LocalMachine, "Software\\", true},       // the same key
                    ProtectionCase{Hive::CurrentUser, "Environment", true},       // any top-level key
                    ProtectionCase{Hive::Users, ".DEFAULT", true},
                    ProtectionCase{Hive::CurrentUser, "Software\\kestrow\\software", true},  // any letter case
                    ProtectionCase{Hive::ClassesRoot, "", true},                  // a hive itself
                    ProtectionCase{Hive::ClassesRoot, "Ky_Qm_NEWRPD.RPD", false}, // top-level HKCR may go
                    ProtectionCase{Hive::LocalMachine, "Software\\kestrow", false},
                    ProtectionCase{Hive::CurrentUser, "Software\\kestrow\\lab", false}));

}  // namespace
}  // namespace ky::unsetup
