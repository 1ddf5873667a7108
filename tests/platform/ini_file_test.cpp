#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << '"' << bytes.toStdString() << '"'; }

namespace ky {
namespace {

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

// Test texts are written with LF; files are written with CR LF.
QByteArray crlf(const char* text) { return QByteArray(text).replace("\n", "\r\n"); }

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const char* const kPrinterIni =
    "; written by hand\n"
    "Orphan=before any section\n"
    "[Printer]\n"
    "  Device Name = kestrow printer  \n"
    "Output=\"  /var/spool/ky  \"\n"
    "Quoted=\"\"twice\"\"\n"
    "Formula=a=b\n"
    ";Hidden=commented out\n"
    "Device Name=second, ignored\n"
    "\n"
    "[ printer ]\n"
    "Extra=from a later section of the same name\n"
    "[Empty]\n";

struct LookupCase {
    const char* section;
    const char* key;
    const char* expected;  // nullptr: missing, the fallback comes back
};

class IniLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(IniLookup, FindsTheFirstMatchWithoutRegardToCase) {
    const LookupCase& c = GetParam();
    const IniFile ini = IniFile::parse(kPrinterIni);
    const QString fallback = str("<fallback>");
    EXPECT_EQ(ini.value(str(c.section), str(c.key), fallback), c.expected ? str(c.expected) : fallback);
    EXPECT_EQ(ini.contains(str(c.section), str(c.key)), c.expected != nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniLookup,
    testing::Values(LookupCase{"Printer", "Device Name", "kestrow printer"},   // blanks around trimmed
                    LookupCase{"PRINTER", "device name", "kestrow printer"},   // first of two keys wins
                    LookupCase{" printer ", " DEVICE NAME ", "kestrow printer"},
                    LookupCase{"Printer", "Output", "  /var/spool/ky  "},       // quotes keep inner blanks
                    LookupCase{"Printer", "Quoted", "\"twice\""},               // one pair of quotes only
                    LookupCase{"Printer", "Formula", "a=b"},
                    LookupCase{"Printer", "Hidden", nullptr},                   // comments are no keys
                    LookupCase{"Printer", "Extra", nullptr},                    // first section wins
                    LookupCase{"Printer", "Orphan", nullptr},                   // lines before sections
                    LookupCase{"Empty", "Anything", nullptr},
                    LookupCase{"Missing", "Device Name", nullptr}));

TEST(IniFile, ListsSectionsAndKeysOnce) {
    const IniFile ini = IniFile::parse(kPrinterIni);
    EXPECT_EQ(ini.sections(), (QStringList{str("Printer"), str("Empty")}));
    EXPECT_EQ(ini.keys(str("printer")), (QStringList{str("Device Name"), str("Output"), str("Quoted"), str("Formula")}));
    EXPECT_TRUE(ini.keys(str("Empty")).isEmpty());
    EXPECT_TRUE(ini.keys(str("Missing")).isEmpty());
}

struct EditCase {
    const char* name;
    const char* before;
    std::function<void(IniFile&)> edit;
    const char* after;
};

class IniEdit : public testing::TestWithParam<EditCase> {};

TEST_P(IniEdit, ChangesOnlyWhatItMust) {
    const EditCase& c = GetParam();
    IniFile ini = IniFile::parse(c.before);
    c.edit(ini);
    EXPECT_EQ(ini.toText(), crlf(c.after));
}

void set(IniFile& ini, const char* section, const char* key, const char* value) {
    ini.setValue(str(section), str(key), str(value));
}

INSTANTIATE_TEST_SUITE_P(Cases, IniEdit,
    testing::Values(
        EditCase{"ReplacesInPlaceKeepingSpellingAndSpacing",
                 "; top\n[Printer]\n  Device Name = old  \n;note\nCopies=1\n",
                 [](IniFile& ini) { set(ini, "PRINTER", "device name", "new"); },
                 "; top\n[Printer]\n  Device Name = new\n;note\nCopies=1\n"},
        EditCase{"ReplacesAnEmptyValue", "[S]\nk=\n", [](IniFile& ini) { set(ini, "s", "K", "v"); }, "[S]\nk=v\n"},
        EditCase{"ReplacesOnlyTheFirstOfTwoKeys", "[S]\nk=1\nk=2\n", [](IniFile& ini) { set(ini, "S", "k", "3"); },
                 "[S]\nk=3\nk=2\n"},
        EditCase{"AppendsAfterTheLastKeyBeforeBlankLines",
                 "[A]\none=1\n; trailing comment\n\n\n[B]\nx=y\n",
                 [](IniFile& ini) { set(ini, "a", "two", "2"); },
                 "[A]\none=1\ntwo=2\n; trailing comment\n\n\n[B]\nx=y\n"},
        EditCase{"AppendsToTheLastSectionOfTheFile", "[A]\none=1\n\n", [](IniFile& ini) { set(ini, "A", "two", "2"); },
                 "[A]\none=1\ntwo=2\n\n"},
        EditCase{"AppendsToASectionWithoutKeys", "[A]\n; about A\n\n[B]\n", [](IniFile& ini) { set(ini, "A", "k", "v"); },
                 "[A]\n; about A\nk=v\n\n[B]\n"},
        EditCase{"AppendsANewSectionAtTheEnd", "x=orphan\n[A]\none=1\n\n",
                 [](IniFile& ini) { set(ini, " New ", " key ", "v"); }, "x=orphan\n[A]\none=1\n\n[New]\nkey=v\n"},
        EditCase{"StartsAnEmptyFile", "", [](IniFile& ini) { set(ini, "S", "k", "v"); }, "[S]\nk=v\n"},
        EditCase{"KeepsCommentsAndUnknownLinesVerbatim",
                 "\xEF\xBB\xBF;c1\r\n  odd line without equals  \r\n[S]\r\n\t; c2\r\nk=v",
                 [](IniFile& ini) { set(ini, "S", "k2", "v2"); },
                 ";c1\n  odd line without equals  \n[S]\n\t; c2\nk=v\nk2=v2\n"},
        EditCase{"RemovesTheFirstMatchingKey", "[S]\na=1\nB=2\nb=3\n",
                 [](IniFile& ini) { EXPECT_TRUE(ini.removeKey(str("s"), str("b"))); }, "[S]\na=1\nb=3\n"},
        EditCase{"RemovesNothingWhenMissing", "[S]\na=1\n",
                 [](IniFile& ini) {
                     EXPECT_FALSE(ini.removeKey(str("S"), str("zz")));
                     EXPECT_FALSE(ini.removeKey(str("T"), str("a")));
                     EXPECT_FALSE(ini.removeSection(str("T")));
                 },
                 "[S]\na=1\n"},
        EditCase{"RemovesASectionWithItsLines", "top=1\n[A]\na=1\n; about A\n\n[b]\nb=2\n[C]\nc=3\n",
                 [](IniFile& ini) {
                     EXPECT_TRUE(ini.removeSection(str("A")));
                     EXPECT_TRUE(ini.removeSection(str("B")));
                 },
                 "top=1\n[C]\nc=3\n"}),
    [](const testing::TestParamInfo<EditCase>& test) { return std::string(test.param.name); });

TEST(IniFile, TextUsesCrLfAndNothingForNoLines) {
    EXPECT_EQ(IniFile::parse("a\nb").toText(), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(IniFile::parse("a\r\n\r\n").toText(), QByteArray("a\r\n\r\n"));
    EXPECT_EQ(IniFile::parse("").toText(), QByteArray());
    EXPECT_EQ(IniFile().toText(), QByteArray());
}

TEST(IniFile, ReadsUtf16LittleEndianAndWritesUtf8) {
    const QString text = str("[打印机]\r\n名称=kestrow printer\r\n");
    QByteArray bytes("\xFF\xFE");
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    const IniFile ini = IniFile::parse(bytes);
    EXPECT_EQ(ini.value(str("打印机"), str("名称")), str("kestrow printer"));
    EXPECT_EQ(ini.toText(), text.toUtf8());
}

class IniFileOnDisk : public testing::Test {
protected:
    QString path(const char* name = "settings.ini") const { return dir_.filePath(str(name)); }
    QTemporaryDir dir_;
};

TEST_F(IniFileOnDisk, AMissingFileLoadsEmptyAndReadsTheFallback) {
    const auto ini = IniFile::load(path());
    ASSERT_TRUE(ini) << ini.error().toStdString();
    EXPECT_TRUE(ini->sections().isEmpty());
    EXPECT_EQ(readProfileString(path(), str("S"), str("k"), str("dflt")), str("dflt"));
    EXPECT_FALSE(QFile::exists(path()));  // reading creates nothing
}

TEST_F(IniFileOnDisk, WriteProfileStringCreatesThenEditsInPlace) {
    ASSERT_TRUE(writeProfileString(path(), str("Printer"), str("Device"), str("kestrow printer")));
    EXPECT_EQ(readFile(path()), crlf("[Printer]\nDevice=kestrow printer\n"));

    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("; kept\n[Other]\nx=1\n");
    file.close();

    ASSERT_TRUE(writeProfileString(path(), str("printer"), str("DEVICE"), str("other")));
    ASSERT_TRUE(writeProfileString(path(), str("Printer"), str("Copies"), str("2")));
    EXPECT_EQ(readFile(path()), crlf("[Printer]\nDevice=other\nCopies=2\n; kept\n[Other]\nx=1\n"));
    EXPECT_EQ(readProfileString(path(), str("OTHER"), str("X")), str("1"));
}

TEST_F(IniFileOnDisk, SaveAndLoadErrorsNameThePath) {
    const QString missingFolder = path("no/such/folder/a.ini");
    const Status saved = IniFile::parse("[S]\nk=v\n").save(missingFolder);
    ASSERT_FALSE(saved);
    EXPECT_TRUE(saved.error().contains(missingFolder)) << saved.error().toStdString();

    const Status written = writeProfileString(missingFolder, str("S"), str("k"), str("v"));
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().contains(missingFolder)) << written.error().toStdString();

    // A folder where the file should be cannot be read as one.
    ASSERT_TRUE(QDir().mkpath(path("folder.ini")));
    const auto loaded = IniFile::load(path("folder.ini"));
    ASSERT_FALSE(loaded);
    EXPECT_TRUE(loaded.error().contains(path("folder.ini"))) << loaded.error().toStdString();
    EXPECT_EQ(readProfileString(path("folder.ini"), str("S"), str("k"), str("dflt")), str("dflt"));
}

}  // namespace
}  // namespace ky
