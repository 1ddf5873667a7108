#include "unsetup/setup_log.h"

#include "test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ky::unsetup {
namespace {

using namespace testing_support;

const char* const kLog =
    "[COMMON]\n"
    "Application_Name=化验报告\n"
    "1001=%1 卸载\n"
    "ab\n"                       // two characters: dropped
    "; a comment=not a key\n"    // dropped
    "Key=first\n"
    "Key=second\n"               // the first match wins
    "key=lower case key\n"
    "Empty=\n"
    "[APPFILES]\n"
    "/opt/lab/bin/client\n"
    ";/opt/lab/commented\n"      // dropped, not counted
    "\n"
    "/opt/lab/readme.txt\n"
    "[FLAGS]\n"
    "Yes=Yes\n"
    "yes=yes\n"
    "True=true\n"
    "One=1\n"
    "No=No\n"
    "Zero=0\n"
    "Blank=\n"
    "Number=42 apples\n"
    "Negative=-7\n"
    "Word=many\n";

// Both encodings read to the same log.
class SetupLogEncodings : public testing::TestWithParam<bool> {
protected:
    SetupLog log() const {
        const QByteArray plain = crlf(kLog);
        return SetupLog::parse(GetParam() ? complemented(plain) : plain);
    }
};

TEST_P(SetupLogEncodings, CountsAndReadsEntriesWithoutDroppedLines) {
    const SetupLog parsed = log();
    EXPECT_EQ(parsed.entryCount(u"APPFILES"), 2);
    EXPECT_EQ(parsed.entry(u"APPFILES", 0), str("/opt/lab/bin/client"));
    EXPECT_EQ(parsed.entry(u"APPFILES", 1), str("/opt/lab/readme.txt"));
    EXPECT_EQ(parsed.entry(u"APPFILES", 2), QString());
    EXPECT_EQ(parsed.entry(u"APPFILES", -1), QString());
    EXPECT_EQ(parsed.entryCount(u"COMMON"), 6);
    EXPECT_EQ(parsed.entryCount(u"MISSING"), 0);
}

TEST_P(SetupLogEncodings, KeysAreCaseSensitiveAndTheFirstMatchWins) {
    const SetupLog parsed = log();
    EXPECT_EQ(parsed.value(u"COMMON", u"Application_Name"), str("化验报告"));
    EXPECT_EQ(parsed.value(u"COMMON", u"Key"), str("first"));
    EXPECT_EQ(parsed.value(u"COMMON", u"key"), str("lower case key"));
    EXPECT_EQ(parsed.value(u"COMMON", u"KEY", str("fallback")), str("fallback"));
    EXPECT_EQ(parsed.value(u"COMMON", u"Empty", str("fallback")), QString());
    // A section name must match exactly as well.
    EXPECT_EQ(parsed.value(u"common", u"Key", str("fallback")), str("fallback"));
}

INSTANTIATE_TEST_SUITE_P(PlainAndComplemented, SetupLogEncodings, testing::Bool());

struct FlagCase {
    const char* key;
    bool boolean;
    int integer;
};

class SetupLogFlags : public testing::TestWithParam<FlagCase> {};

TEST_P(SetupLogFlags, ReadsBooleansByFirstCharacterAndIntegersByLeadingDigits) {
    const SetupLog log = SetupLog::parse(crlf(kLog));
    const FlagCase& c = GetParam();
    EXPECT_EQ(log.boolValue(u"FLAGS", str(c.key)), c.boolean);
    EXPECT_EQ(log.intValue(u"FLAGS", str(c.key)), c.integer);
}

INSTANTIATE_TEST_SUITE_P(Cases, SetupLogFlags,
    testing::Values(FlagCase{"Yes", true, 0}, FlagCase{"yes", true, 0}, FlagCase{"True", true, 0},
                    FlagCase{"One", true, 1}, FlagCase{"No", false, 0}, FlagCase{"Zero", false, 0},
                    FlagCase{"Blank", false, 0}, FlagCase{"Number", false, 42}, FlagCase{"Negative", false, -7},
                    FlagCase{"Word", false, 0}));

TEST(SetupLog, MissingKeysGiveTheFallback) {
    const SetupLog log = SetupLog::parse(crlf(kLog));
    EXPECT_TRUE(log.boolValue(u"FLAGS", u"Missing", true));
    EXPECT_EQ(log.intValue(u"FLAGS", u"Missing", 9), 9);
}

TEST(SetupLog, SettingAKeyReplacesInPlaceOrAppends) {
    SetupLog log = SetupLog::parse(crlf("[A]\nx=1\n[B]\ny=2\n"));
    log.setValue(u"A", u"x", str("one"));     // replaced where it stands
    log.setValue(u"A", u"z", str("three"));   // appended to its section
    log.setValue(u"C", u"w", str("four"));    // section and key appended
    EXPECT_EQ(log.toBytes(), crlf("[A]\nx=one\nz=three\n[B]\ny=2\n[C]\nw=four\n"));
    EXPECT_EQ(SetupLog::parse(log.toBytes(true)).toBytes(), log.toBytes());
}

TEST(SetupLog, AByteOrderMarkBeforeTheBracketIsAPlainLog) {
    const SetupLog log = SetupLog::parse("\xEF\xBB\xBF" + crlf("[A]\nkey=value\n"));
    EXPECT_EQ(log.value(u"A", u"key"), str("value"));
}

TEST(SetupLog, ReadsTheChineseCodePageWhenTheLogIsNotUtf8) {
    // "卸载" in GB18030.
    const SetupLog log = SetupLog::parse(QByteArray("[COMMON]\r\n1001=\xD0\xB6\xD4\xD8\r\n"));
    EXPECT_EQ(log.value(u"COMMON", u"1001"), str("卸载"));
}

TEST(SetupLog, LoadingAMissingFileSaysWhich) {
    QTemporaryDir dir;
    const auto log = SetupLog::load(dir.filePath(str("Setup.log")));
    ASSERT_FALSE(log);
    EXPECT_TRUE(log.error().contains(str("Setup.log"))) << log.error().toStdString();
}

}  // namespace
}  // namespace ky::unsetup
