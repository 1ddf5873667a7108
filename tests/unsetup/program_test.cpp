// The unsetup program as a script runs it: exit status, standard streams,
// and what is left on disk and in the registry store.
#include "unsetup/temporary_copy.h"

#include "installation_fixture.h"

#include "platform/ini_file.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace ky::unsetup {
namespace {

using namespace testing_support;

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

ProgramRun runProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60'000)) << process.errorString().toStdString();
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// An installation of the program itself with a few files, a registry key
// and an INI key; the log lists itself and the program, so everything can go.
class InstalledProgram : public testing::Test {
protected:
    void SetUp() override {
        home.addFile("app/bin/client");
        home.addFile("etc/lab.ini", crlf("[Lab]\nServer=lab.local\nKeep=1\n"));
        home.setRegistry(Hive::CurrentUser, str("Software\\kestrow\\lab"), str("Zoom"), RegistryValue::fromDword(100));
        program = home.folder() + QStringLiteral("unsetup");
        QDir().mkpath(home.folder());
        ASSERT_TRUE(QFile::copy(str(KY_UNSETUP_PROGRAM), program));
        home.writeLog(kLog);
    }

    static constexpr const char* kLog =
        "[APPFILES]\n"
        "@/app/bin/client\n"
        "@/app/unsetup\n"
        "@/app/Setup.log\n"
        "[APPFOLDERS]\n"
        "@/app/bin\n"
        "[APPDIR]\n"
        "@/app\n"
        "[REGENTRY]\n"
        "HKCU,Software\\kestrow\\lab\n"
        "[INIKEYS]\n"
        "@/etc/lab.ini,Lab,Server\n";

    bool removed() const {
        return !home.exists("app") && !home.registryNow().keyExists(Hive::CurrentUser, str("Software\\kestrow\\lab")) &&
               !IniFile::load(home.path("etc/lab.ini")).value().contains(str("Lab"), str("Server"));
    }

    Installation home;
    QString program;
};

TEST_F(InstalledProgram, QuietRemovalRemovesEverythingAndExitsWithZero) {
    const ProgramRun run = runProgram(program, {str("--quiet"), str("--yes")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(removed());
    EXPECT_TRUE(home.exists("etc/lab.ini"));
}

TEST_F(InstalledProgram, QuietRemovalListsWhatWasLeftAndExitsWithOne) {
    home.addFile("app/bin/made_by_the_user.txt");
    const ProgramRun run = runProgram(program, {str("--yes"), str("--quiet")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(home.path("app/bin"))) << run.err.toStdString();
    EXPECT_TRUE(home.exists("app/bin/made_by_the_user.txt"));
    EXPECT_FALSE(home.exists("app/bin/client"));
}

TEST_F(InstalledProgram, QuietRemovalWithoutALogExitsWithTwo) {
    QFile::remove(home.folder() + QStringLiteral("Setup.log"));
    const ProgramRun run = runProgram(program, {str("--quiet"), str("--yes")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(str("Can't open log file"))) << run.err.toStdString();
}

TEST_F(InstalledProgram, QuietRemovalNeedsConfirmation) {
    const ProgramRun run = runProgram(program, {str("--quiet")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(home.exists("app/bin/client"));
}

TEST_F(InstalledProgram, DryRunListsTheRemovalInOrderAndChangesNothing) {
    const ProgramRun run = runProgram(program, {str("--dry-run")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList expected{
        str("delete file %1").arg(home.path("app/bin/client")),
        str("delete file %1").arg(home.path("app/unsetup")),
        str("delete file %1").arg(home.path("app/Setup.log")),
        str("remove folder %1").arg(home.path("app/bin")),
        str("remove folder %1").arg(home.path("app")),
        str("delete registry key HKCU\\Software\\kestrow\\lab"),
        str("delete INI key %1 [Lab] Server").arg(home.path("etc/lab.ini")),
    };
    EXPECT_EQ(run.out.split(u'\n', Qt::SkipEmptyParts), expected);
    EXPECT_TRUE(home.exists("app/bin/client"));
    EXPECT_TRUE(home.registryNow().keyExists(Hive::CurrentUser, str("Software\\kestrow\\lab")));
}

TEST_F(InstalledProgram, TheTemporaryCopyWaitsForItsLauncherRemovesAndDeletesItself) {
    QProcess ended;
    ended.start(str("/bin/true"));
    ASSERT_TRUE(ended.waitForFinished());
    const auto copy = copyToTemporaryFile(program);
    ASSERT_TRUE(copy) << copy.error().toStdString();
    EXPECT_TRUE(QFileInfo(copy.value()).fileName().startsWith(str("Del")));

    const ProgramRun run = runProgram(copy.value(), {QString::number(ended.processId()), program, home.folder(),
                                              str("--quiet"), str("--yes")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(removed());
    EXPECT_FALSE(QFile::exists(copy.value()));
}

TEST(CommandLineForms, TheLogFolderIsCutAfterTheLastSlash) {
    EXPECT_EQ(logFolderFrom(str("/opt/lab/")), str("/opt/lab/"));
    EXPECT_EQ(logFolderFrom(str("/opt/lab/unsetup")), str("/opt/lab/"));
}

TEST(CommandLineForms, UnknownOptionsAreRefused) {
    const ProgramRun run = runProgram(str(KY_UNSETUP_PROGRAM), {str("--shared=maybe"), str("--quiet")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(str("usage:"))) << run.err.toStdString();
}

}  // namespace
}  // namespace ky::unsetup
