#include "unsetup/pending_deletions.h"
#include "unsetup/removal.h"
#include "unsetup/system_actions.h"

#include "installation_fixture.h"
#include "recording_observer.h"

#include "platform/ini_file.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

namespace ky::unsetup {
namespace {

using namespace testing_support;

// Runs the removal of the fixture's log with the system's actions.
RemovalReport removeInstallation(Installation& installation, RemovalObserver& observer,
                                 SharedFilePolicy policy = SharedFilePolicy::Ask) {
    auto log = SetupLog::load(installation.folder() + QStringLiteral("Setup.log"));
    EXPECT_TRUE(log) << log.error().toStdString();
    SystemActions actions(installation.registry(), str(KY_UNSETUP_PROGRAM), installation.folder());
    return Removal(log.value(), actions, observer, policy).run();
}

const char* const kFullLog =
    "[COMMON]\n"
    "Application_Name=化验报告\n"
    "1402=无法删除文件夹\n"
    "1403=无法删除文件\n"
    "[SHAREDFILES]\n"
    "@/system/uncounted.so\n"
    "@/system/still_used.so\n"
    "@/system/last_user.so\n"
    "[STDFILES]\n"
    "@/system/std.so\n"
    "[FONTS]\n"
    "@/fonts/song.ttf,宋体 (TrueType)\n"
    "@/fonts/no_value_name.ttf\n"
    "[APPFILES]\n"
    "@/app/bin/client\n"
    "@/app/readonly.txt\n"
    "@/app/never_installed.txt\n"
    "@/app/link_to_outside\n"
    "[APPFOLDERS]\n"
    "@/app/bin\n"
    "@/app/data\n"
    "[APPDIR]\n"
    "@/app\n"
    "[REGENTRY]\n"
    "HKLM,Software\\kestrow\\lab\n"
    "HKLM,SOFTWARE\n"
    "HKCU,Environment\n"
    "HKCR,Ky.Lab\n"
    "HKXX,Software\\x\n"
    "[REGVALUES]\n"
    "HKCU,Software\\kestrow\\viewer,Zoom\n"
    "HKLM,Software,Shared\n"
    "[INIKEYS]\n"
    "@/etc/printer.ini,AutoSave,Folder\n";

class FullRemoval : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        home.addFile("system/uncounted.so");
        home.setSharedCounter(home.addFile("system/still_used.so"), 2);
        home.setSharedCounter(home.addFile("system/last_user.so"), 1);
        home.setSharedCounter(home.addFile("system/std.so"), 1);
        home.addFile("fonts/song.ttf");
        home.setRegistry(Hive::LocalMachine, kFontsKey, str("宋体 (TrueType)"), RegistryValue::string(str("song.ttf")));
        home.addFile("app/bin/client");
        const QString readOnly = home.addFile("app/readonly.txt");
        QFile::setPermissions(readOnly, QFile::ReadOwner);
        home.addFile("app/data/user_report.rpx");  // made by the user: the folder stays
        home.addFile("outside/precious.txt");
        QFile::link(home.path("outside/precious.txt"), home.path("app/link_to_outside"));
        for (const char* key : {"Software\\kestrow\\lab", "SOFTWARE", "Environment", "Ky.Lab"}) {
            const Hive hive = QByteArray(key) == "Environment" ? Hive::CurrentUser
                              : QByteArray(key) == "Ky.Lab"    ? Hive::ClassesRoot
                                                               : Hive::LocalMachine;
            home.setRegistry(hive, str(key), str("Value"), RegistryValue::string(str("x")));
        }
        home.setRegistry(Hive::CurrentUser, str("Software\\kestrow\\viewer"), str("Zoom"), RegistryValue::fromDword(100));
        home.setRegistry(Hive::CurrentUser, str("Software\\kestrow\\viewer"), str("Page"), RegistryValue::fromDword(1));
        home.setRegistry(Hive::LocalMachine, str("Software"), str("Shared"), RegistryValue::fromDword(1));
        home.addFile("etc/printer.ini", crlf("[AutoSave]\nFolder=/tmp\nEnabled=1\n"));
        home.writeLog(kFullLog, GetParam());
    }

    Installation home;
};

TEST_P(FullRemoval, RemovesWhatTheLogNamesAndKeepsTheRest) {
    RecordingObserver observer({SharedFileAnswer::Yes, SharedFileAnswer::No});
    const RemovalReport report = removeInstallation(home, observer);

    // Shared files: no counter goes without a question; a counter above zero
    // keeps the file quietly; counters reaching zero ask.
    EXPECT_FALSE(home.exists("system/uncounted.so"));
    EXPECT_TRUE(home.exists("system/still_used.so"));
    EXPECT_EQ(home.sharedCounter(home.path("system/still_used.so")), 1u);
    EXPECT_EQ(observer.questions, (QStringList{home.path("system/last_user.so"), home.path("system/std.so")}));
    EXPECT_FALSE(home.exists("system/last_user.so"));  // Yes: file and counter go
    EXPECT_EQ(home.sharedCounter(home.path("system/last_user.so")), std::nullopt);
    EXPECT_TRUE(home.exists("system/std.so"));  // No: file and counter stay
    EXPECT_EQ(home.sharedCounter(home.path("system/std.so")), 0u);

    const RegistryTree registry = home.registryNow();
    EXPECT_FALSE(home.exists("fonts/song.ttf"));
    EXPECT_FALSE(registry.value(Hive::LocalMachine, kFontsKey, str("宋体 (TrueType)")));

    // Application files: read-only and symbolic links go, the link's target stays.
    EXPECT_FALSE(home.exists("app/bin/client"));
    EXPECT_FALSE(home.exists("app/readonly.txt"));
    EXPECT_FALSE(QFileInfo(home.path("app/link_to_outside")).isSymLink());
    EXPECT_TRUE(home.exists("outside/precious.txt"));

    // Folders go only when empty.
    EXPECT_FALSE(home.exists("app/bin"));
    EXPECT_TRUE(home.exists("app/data/user_report.rpx"));

    EXPECT_FALSE(registry.keyExists(Hive::LocalMachine, str("Software\\kestrow\\lab")));
    EXPECT_TRUE(registry.keyExists(Hive::LocalMachine, str("SOFTWARE")));
    EXPECT_TRUE(registry.keyExists(Hive::CurrentUser, str("Environment")));
    EXPECT_FALSE(registry.keyExists(Hive::ClassesRoot, str("Ky.Lab")));
    EXPECT_FALSE(registry.value(Hive::CurrentUser, str("Software\\kestrow\\viewer"), str("Zoom")));
    EXPECT_TRUE(registry.value(Hive::CurrentUser, str("Software\\kestrow\\viewer"), str("Page")));
    EXPECT_TRUE(registry.value(Hive::LocalMachine, str("Software"), str("Shared")));

    const IniFile ini = IniFile::load(home.path("etc/printer.ini")).value();
    EXPECT_FALSE(ini.contains(str("AutoSave"), str("Folder")));
    EXPECT_TRUE(ini.contains(str("AutoSave"), str("Enabled")));

    // The user's folder and the installation folder holding it are listed;
    // the skipped entries are noted.
    const QStringList expectedFailures{
        str("无法删除文件夹 \"%1\"").arg(home.path("app/data")),
        str("无法删除文件夹 \"%1\"").arg(home.path("app")),
    };
    EXPECT_EQ(report.failureTexts(), expectedFailures);
    EXPECT_EQ(report.notes.size(), 5) << reportText(report).toStdString();  // font, 2 keys, hive, value

    EXPECT_EQ(observer.range, 21);
    EXPECT_EQ(observer.entries, 21);
    EXPECT_EQ(observer.stages, (std::vector<Stage>{Stage::SharedFiles, Stage::StandardFiles, Stage::FolderItems,
                                                   Stage::ProgramFolders, Stage::ProgramDirectory, Stage::Registry}));
}

INSTANTIATE_TEST_SUITE_P(PlainAndComplementedLog, FullRemoval, testing::Bool());

struct ToAllCase {
    const char* name;
    SharedFileAnswer firstAnswer;
    SharedFilePolicy policy;
    int questions;
    bool removed;
};

class SharedFileAnswers : public testing::TestWithParam<ToAllCase> {};

// Three shared files whose counters reach zero: a to-all answer or a policy
// decides for all that follow, a single answer only for its file.
TEST_P(SharedFileAnswers, ToAllAnswersStopTheQuestions) {
    const ToAllCase& c = GetParam();
    Installation home;
    for (const char* file : {"system/a.so", "system/b.so", "system/c.so"}) home.setSharedCounter(home.addFile(file), 1);
    home.writeLog("[SHAREDFILES]\n@/system/a.so\n@/system/b.so\n@/system/c.so\n");

    RecordingObserver observer({c.firstAnswer, c.firstAnswer, c.firstAnswer});
    (void)removeInstallation(home, observer, c.policy);

    EXPECT_EQ(observer.questions.size(), c.questions);
    for (const char* file : {"system/a.so", "system/b.so", "system/c.so"}) {
        EXPECT_EQ(home.exists(file), !c.removed) << file;
        EXPECT_EQ(home.sharedCounter(home.path(file)), c.removed ? std::nullopt : std::optional<std::uint32_t>(0));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SharedFileAnswers,
    testing::Values(ToAllCase{"Yes", SharedFileAnswer::Yes, SharedFilePolicy::Ask, 3, true},
                    ToAllCase{"YesToAll", SharedFileAnswer::YesToAll, SharedFilePolicy::Ask, 1, true},
                    ToAllCase{"No", SharedFileAnswer::No, SharedFilePolicy::Ask, 3, false},
                    ToAllCase{"NoToAll", SharedFileAnswer::NoToAll, SharedFilePolicy::Ask, 1, false},
                    ToAllCase{"PolicyRemove", SharedFileAnswer::No, SharedFilePolicy::Remove, 0, true},
                    ToAllCase{"PolicyKeep", SharedFileAnswer::Yes, SharedFilePolicy::Keep, 0, false}),
    [](const testing::TestParamInfo<ToAllCase>& param) { return std::string(param.param.name); });

TEST(Removal, ASharedFileThatCannotGoNowIsDeletedAtRestart) {
    Installation home;
    home.addFile("system/busy.so/inside");  // a folder where a file was: deleting it fails
    home.writeLog("[SHAREDFILES]\n@/system/busy.so\n");
    RecordingObserver observer;
    const RemovalReport report = removeInstallation(home, observer);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(report.notes.size(), 1);
    EXPECT_EQ(pendingDeletions(home.registryNow()), QStringList{home.path("system/busy.so")});
}

TEST(Removal, UnregistersTheLoggedLibrariesInASecondProcess) {
    Installation home;
    home.setRegistry(Hive::ClassesRoot, str("UnsetupProbe"), QString(), RegistryValue::string(str("probe")));
    home.writeLog("[REGDLLS]\n" KY_UNREGISTER_PROBE "\n");
    RecordingObserver observer;
    const RemovalReport report = removeInstallation(home, observer);
    EXPECT_TRUE(report.everythingRemoved()) << reportText(report).toStdString();
    EXPECT_FALSE(home.registryNow().keyExists(Hive::ClassesRoot, str("UnsetupProbe")));
}

TEST(Removal, WaitsForTheProgramBeforeRemovalUnlessTheLogSaysNot) {
    Installation home;
    // Waiting: the program's mark is there when the removal returns.
    home.writeLog("[RUNAPPS]\nBeforeUninstall=/bin/sh,-c \"sleep 0.2; touch waited\",@,1,0,0\n");
    RecordingObserver observer;
    (void)removeInstallation(home, observer);
    EXPECT_TRUE(home.exists("waited"));

    // Not waiting: the removal returns while the program still waits for "go"
    // (were it waited for, the test would never end).
    home.writeLog("[RUNAPPS]\nBeforeUninstall=/bin/sh,-c \"while [ ! -e go ]; do sleep 0.02; done; touch done\",@,1,0,1\n");
    (void)removeInstallation(home, observer);
    EXPECT_FALSE(home.exists("done"));
    home.addFile("go");
    QElapsedTimer timer;
    timer.start();
    while (!home.exists("done") && timer.elapsed() < 10'000) QThread::msleep(20);
    EXPECT_TRUE(home.exists("done"));
}

}  // namespace
}  // namespace ky::unsetup
