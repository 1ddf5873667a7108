#include "platform/registry_store.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <thread>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << '"' << bytes.toStdString() << '"'; }

namespace ky {
namespace {

const Hive kCu = Hive::CurrentUser;

QString str(const char* utf8) { return QString::fromUtf8(utf8); }

// Test texts are written with LF; the files use CR LF.
QByteArray crlf(const char* text) { return QByteArray(text).replace("\n", "\r\n"); }

QByteArray utf16le(const QString& text) {
    QByteArray bytes("\xFF\xFE");
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

RegistryTree parsed(const QByteArray& text) {
    auto tree = RegistryTree::fromRegText(text);
    EXPECT_TRUE(tree) << tree.error().toStdString();
    return tree ? std::move(tree).value() : RegistryTree{};
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(HiveNames, LongAndShortFormsWithoutRegardToCase) {
    EXPECT_EQ(hiveFromName(u"HKEY_CLASSES_ROOT"), Hive::ClassesRoot);
    EXPECT_EQ(hiveFromName(u"hkcu"), Hive::CurrentUser);
    EXPECT_EQ(hiveFromName(u"Hkey_Local_Machine"), Hive::LocalMachine);
    EXPECT_EQ(hiveFromName(u"HKU"), Hive::Users);
    EXPECT_EQ(hiveFromName(u"HKEY_CURRENT_CONFIG"), std::nullopt);
    EXPECT_EQ(hiveFromName(u""), std::nullopt);
    EXPECT_EQ(hiveLongName(Hive::Users), QStringLiteral("HKEY_USERS"));
}

// --- the tree ----------------------------------------------------------------

TEST(RegistryTree, NamesIgnoreCaseAndKeepTheSpellingOfCreation) {
    RegistryTree tree;
    tree.setValue(kCu, str("Software\\Kestrow"), str("InstallDir"), RegistryValue::string(str("/opt/a")));
    tree.setValue(kCu, str("SOFTWARE\\KESTROW"), str("INSTALLDIR"), RegistryValue::string(str("/opt/b")));
    tree.createKey(kCu, str("software\\kestrow\\Sub"));

    EXPECT_EQ(tree.subkeys(kCu, {}), QStringList{str("Software")});
    EXPECT_EQ(tree.subkeys(kCu, str("software")), QStringList{str("Kestrow")});
    EXPECT_EQ(tree.valueNames(kCu, str("software\\kestrow")), QStringList{str("InstallDir")});
    EXPECT_EQ(tree.value(kCu, str("sOfTwArE\\kEsTrOw"), str("installdir")), RegistryValue::string(str("/opt/b")));
    EXPECT_TRUE(tree.keyExists(kCu, str("SOFTWARE\\kestrow\\SUB")));
    EXPECT_FALSE(tree.keyExists(Hive::LocalMachine, str("Software")));  // hives are separate
}

TEST(RegistryTree, PathsTolerateStrayBackslashesAndEmptyMeansTheRoot) {
    RegistryTree tree;
    tree.setValue(kCu, str("\\a\\\\b\\"), str("v"), RegistryValue::fromDword(7));
    EXPECT_EQ(tree.value(kCu, str("a\\b"), str("v")), RegistryValue::fromDword(7));
    EXPECT_EQ(tree.subkeys(kCu, str("\\")), QStringList{str("a")});

    tree.setValue(kCu, {}, {}, RegistryValue::string(str("root default")));
    EXPECT_TRUE(tree.keyExists(kCu, {}));
    EXPECT_EQ(tree.valueNames(kCu, {}), QStringList{QString()});
    EXPECT_EQ(tree.value(kCu, str("\\"), {}), RegistryValue::string(str("root default")));
}

TEST(RegistryTree, ListsSubkeysAndValuesInCreationOrder) {
    RegistryTree tree;
    for (const char* key : {"zeta", "Alpha", "mid"}) tree.createKey(kCu, str("k\\") + str(key));
    for (const char* name : {"b", "", "A"}) tree.setValue(kCu, str("k"), str(name), RegistryValue::fromDword(1));
    EXPECT_EQ(tree.subkeys(kCu, str("k")), (QStringList{str("zeta"), str("Alpha"), str("mid")}));
    EXPECT_EQ(tree.valueNames(kCu, str("k")), (QStringList{str("b"), QString(), str("A")}));
}

TEST(RegistryTree, DeleteKeyRemovesTheWholeSubtree) {
    RegistryTree tree;
    tree.setValue(kCu, str("a\\b\\c"), str("deep"), RegistryValue::string(str("x")));
    tree.setValue(kCu, str("a\\b"), str("mid"), RegistryValue::string(str("y")));
    tree.createKey(kCu, str("a\\d"));

    EXPECT_TRUE(tree.deleteKey(kCu, str("A\\B")));
    EXPECT_FALSE(tree.keyExists(kCu, str("a\\b")));
    EXPECT_FALSE(tree.keyExists(kCu, str("a\\b\\c")));
    EXPECT_EQ(tree.subkeys(kCu, str("a")), QStringList{str("d")});
    EXPECT_FALSE(tree.deleteKey(kCu, str("a\\b")));

    // A key made again under the same name starts empty.
    tree.createKey(kCu, str("a\\b"));
    EXPECT_TRUE(tree.valueNames(kCu, str("a\\b")).isEmpty());
    EXPECT_TRUE(tree.subkeys(kCu, str("a\\b")).isEmpty());
    EXPECT_EQ(tree.subkeys(kCu, str("a")), (QStringList{str("d"), str("b")}));
}

TEST(RegistryTree, TheRootOfAHiveCannotBeDeleted) {
    RegistryTree tree;
    tree.createKey(kCu, str("kept"));
    EXPECT_FALSE(tree.deleteKey(kCu, {}));
    EXPECT_FALSE(tree.deleteKey(kCu, str("\\")));
    EXPECT_TRUE(tree.keyExists(kCu, str("kept")));
}

TEST(RegistryTree, DeleteValueAndMissingLookups) {
    RegistryTree tree;
    for (const char* name : {"one", "two", "three"})
        tree.setValue(kCu, str("k"), str(name), RegistryValue::string(str(name)));
    EXPECT_TRUE(tree.deleteValue(kCu, str("k"), str("TWO")));
    EXPECT_FALSE(tree.deleteValue(kCu, str("k"), str("two")));
    EXPECT_FALSE(tree.deleteValue(kCu, str("missing"), str("one")));
    EXPECT_EQ(tree.valueNames(kCu, str("k")), (QStringList{str("one"), str("three")}));
    EXPECT_EQ(tree.value(kCu, str("k"), str("three")), RegistryValue::string(str("three")));  // found after the shift

    EXPECT_EQ(tree.value(kCu, str("k"), str("two")), std::nullopt);
    EXPECT_EQ(tree.value(kCu, str("nope"), str("one")), std::nullopt);
    EXPECT_TRUE(tree.subkeys(kCu, str("nope")).isEmpty());
    EXPECT_TRUE(tree.valueNames(kCu, str("nope")).isEmpty());
    EXPECT_FALSE(tree.keyExists(kCu, str("nope")));  // lookups create nothing
}

TEST(RegistryTree, CopiesAreIndependent) {
    RegistryTree original;
    original.setValue(kCu, str("k"), str("v"), RegistryValue::fromDword(1));
    RegistryTree copy = original;
    copy.setValue(kCu, str("k"), str("v"), RegistryValue::fromDword(2));
    copy.deleteKey(kCu, str("k"));
    EXPECT_EQ(original.value(kCu, str("k"), str("v")), RegistryValue::fromDword(1));
}

// --- the text format --------------------------------------------------------

struct RoundTripCase {
    const char* name;
    const char* input;     // LF line ends
    const char* expected;  // nullptr: the input itself, with CR LF
};

class RegTextRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RegTextRoundTrip, ReadsAndWritesTheCanonicalText) {
    const RoundTripCase& c = GetParam();
    const QByteArray expected = crlf(c.expected ? c.expected : c.input);
    const RegistryTree tree = parsed(QByteArray(c.input));
    EXPECT_EQ(tree.toRegText(), expected);
    EXPECT_EQ(parsed(expected).toRegText(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RegTextRoundTrip,
    testing::Values(
        RoundTripCase{"Empty", "Windows Registry Editor Version 5.00\n\n", nullptr},
        RoundTripCase{"StringsAndDwords",
                      "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_CURRENT_USER\\Software\\Kestrow]\n"
                      "@=\"default\"\n"
                      "\"Name\"=\"text\"\n"
                      "\"Zero\"=dword:00000000\n"
                      "\"Ten\"=dword:0000000a\n"
                      "\"Max\"=dword:ffffffff\n\n",
                      nullptr},
        RoundTripCase{"EscapesAndAnEmptyNameForTheDefault",
                      "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_LOCAL_MACHINE\\k]\n"
                      "\"C:\\\\dir\\\\\\\"quoted\\\"\"=\"a \\\"b\\\" \\\\\\\\server\"\n"
                      "\"\"=\"\"\n\n",
                      "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_LOCAL_MACHINE\\k]\n"
                      "\"C:\\\\dir\\\\\\\"quoted\\\"\"=\"a \\\"b\\\" \\\\\\\\server\"\n"
                      "@=\"\"\n\n"},
        RoundTripCase{"EmptyKeysSurviveAndParentsComeBackFromChildren",
                      "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_CLASSES_ROOT\\Lib.Thing\\CLSID]\n"
                      "@=\"{1}\"\n\n"
                      "[HKEY_CLASSES_ROOT\\Lib.Thing\\Empty]\n\n"
                      "[HKEY_USERS\\Lone]\n\n",
                      nullptr},
        RoundTripCase{"HiveRootValuesAndNonAsciiText",
                      "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_CURRENT_USER]\n"
                      "\"字体\"=\"宋体\"\n\n"
                      "[HKEY_CURRENT_USER\\报表]\n\n",
                      nullptr},
        RoundTripCase{"LenientInputBecomesCanonical",
                      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n"
                      "; comment\n"
                      "[HKLM\\\\A\\B\\]\n"
                      "  \"x\" = DWORD:A  \n"
                      "\"s\"=\"first\"\n"
                      "[hkey_local_machine\\a\\b]\n"
                      "\"S\"=\"second\"\n"
                      "[HKLM\\a\\c]\n",
                      "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_LOCAL_MACHINE\\A\\B]\n"
                      "\"x\"=dword:0000000a\n"
                      "\"s\"=\"second\"\n\n"
                      "[HKEY_LOCAL_MACHINE\\A\\c]\n\n"},
        RoundTripCase{"KeysInCreationOrderAcrossHives",
                      "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_USERS\\u]\n\n"
                      "[HKEY_CLASSES_ROOT\\z\\y]\n\n"
                      "[HKEY_CLASSES_ROOT\\a]\n\n"
                      "[HKEY_CLASSES_ROOT\\z\\x]\n\n",
                      "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_CLASSES_ROOT\\z\\y]\n\n"
                      "[HKEY_CLASSES_ROOT\\z\\x]\n\n"
                      "[HKEY_CLASSES_ROOT\\a]\n\n"
                      "[HKEY_USERS\\u]\n\n"}),
    [](const testing::TestParamInfo<RoundTripCase>& test) { return std::string(test.param.name); });

TEST(RegText, WritesWhatTheTreeHolds) {
    RegistryTree tree;
    tree.setValue(Hive::ClassesRoot, str("CLSID\\{X}\\InprocServer32"), {}, RegistryValue::string(str("/opt/lib.so")));
    tree.setValue(Hive::ClassesRoot, str("CLSID\\{X}\\InprocServer32"), str("ThreadingModel"),
                  RegistryValue::string(str("Apartment")));
    tree.setValue(kCu, str("Software\\Ky"), str("Count"), RegistryValue::fromDword(10));
    tree.setValue(kCu, str("Software\\Ky"), str("say \"hi\""), RegistryValue::string(str("C:\\dir\\")));
    tree.createKey(Hive::LocalMachine, str("Empty"));
    EXPECT_EQ(tree.toRegText(), crlf("Windows Registry Editor Version 5.00\n\n"
                                     "[HKEY_CLASSES_ROOT\\CLSID\\{X}\\InprocServer32]\n"
                                     "@=\"/opt/lib.so\"\n"
                                     "\"ThreadingModel\"=\"Apartment\"\n\n"
                                     "[HKEY_CURRENT_USER\\Software\\Ky]\n"
                                     "\"Count\"=dword:0000000a\n"
                                     "\"say \\\"hi\\\"\"=\"C:\\\\dir\\\\\"\n\n"
                                     "[HKEY_LOCAL_MACHINE\\Empty]\n\n"));
    const RegistryTree back = parsed(tree.toRegText());
    EXPECT_EQ(back.value(kCu, str("software\\ky"), str("SAY \"HI\"")), RegistryValue::string(str("C:\\dir\\")));
}

TEST(RegText, ReadsUtf16LittleEndianWithByteOrderMark) {
    const QString text = str("Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\打印]\r\n"
                             "\"名称\"=\"kestrow printer\"\r\n"
                             "\"Copies\"=dword:00000002\r\n");
    const RegistryTree tree = parsed(utf16le(text));
    EXPECT_EQ(tree.value(kCu, str("打印"), str("名称")), RegistryValue::string(str("kestrow printer")));
    EXPECT_EQ(tree.value(kCu, str("打印"), str("copies")), RegistryValue::fromDword(2));
}

struct RejectCase {
    const char* name;
    QByteArray input;
    int line;
    const char* says;
};

class RegTextRejects : public testing::TestWithParam<RejectCase> {};

TEST_P(RegTextRejects, NamesTheLine) {
    const RejectCase& c = GetParam();
    const auto tree = RegistryTree::fromRegText(c.input);
    ASSERT_FALSE(tree);
    EXPECT_TRUE(tree.error().startsWith(QStringLiteral("line %1: ").arg(c.line))) << tree.error().toStdString();
    EXPECT_TRUE(tree.error().contains(str(c.says))) << tree.error().toStdString();
}

QByteArray withHeader(const QByteArray& body) { return QByteArray("Windows Registry Editor Version 5.00\n\n") + body; }

INSTANTIATE_TEST_SUITE_P(Cases, RegTextRejects,
    testing::Values(
        RejectCase{"EmptyText", QByteArray(), 1, "expected the header"},
        RejectCase{"OlderHeader", QByteArray("REGEDIT4\n\n[HKEY_CURRENT_USER\\a]\n"), 1, "expected the header"},
        RejectCase{"HeaderNotFirst", QByteArray("\nWindows Registry Editor Version 5.00\n"), 1, "expected the header"},
        RejectCase{"UnknownHive", withHeader("[HKEY_CURRENT_CONFIG\\a]\n"), 3, "unknown hive \"HKEY_CURRENT_CONFIG\""},
        RejectCase{"KeyWithoutClosingBracket", withHeader("[HKEY_CURRENT_USER\\a\n"), 3, "no closing ']'"},
        RejectCase{"KeyDeletion", withHeader("[-HKEY_CURRENT_USER\\a]\n"), 3, "deleting keys"},
        RejectCase{"ValueBeforeAnyKey", withHeader("\"a\"=\"b\"\n"), 3, "value outside a key"},
        RejectCase{"Garbage", withHeader("[HKCU\\a]\nname=value\n"), 4, "malformed line"},
        RejectCase{"NoEquals", withHeader("[HKCU\\a]\n\"name\" \"value\"\n"), 4, "no '='"},
        RejectCase{"TextAfterString", withHeader("[HKCU\\a]\n\"a\"=\"b\" c\n"), 4, "after the closing quote"},
        RejectCase{"UnterminatedName", withHeader("[HKCU\\a]\n\"abc=1\n"), 4, "unterminated string"},
        RejectCase{"UnterminatedValue", withHeader("[HKCU\\a]\n\"a\"=\"b\n"), 4, "unterminated string"},
        RejectCase{"BadEscape", withHeader("[HKCU\\a]\n\n\"a\"=\"C:\\temp\"\n"), 5, "bad escape \"\\t\""},
        RejectCase{"HexValue", withHeader("[HKCU\\a]\n\"a\"=hex:01,02\n"), 4, "unsupported value type \"hex\""},
        RejectCase{"ExpandString", withHeader("[HKCU\\a]\n@=hex(2):25,00\n"), 4, "unsupported value type \"hex(2)\""},
        RejectCase{"Qword", withHeader("[HKCU\\a]\n\"q\"=qword:1\n"), 4, "unsupported value type \"qword\""},
        RejectCase{"ValueDeletion", withHeader("[HKCU\\a]\n\"a\"=-\n"), 4, "deleting values"},
        RejectCase{"DwordOutOfRange", withHeader("[HKCU\\a]\n\"a\"=dword:100000000\n"), 4, "out of range"},
        RejectCase{"DwordNotHex", withHeader("[HKCU\\a]\n\"a\"=dword:12g4\n"), 4, "expected hexadecimal digits"},
        RejectCase{"DwordNegative", withHeader("[HKCU\\a]\n\"a\"=dword:-1\n"), 4, "expected hexadecimal digits"},
        RejectCase{"DwordEmpty", withHeader("[HKCU\\a]\n\"a\"=dword:\n"), 4, "no digits"},
        RejectCase{"InvalidUtf8", withHeader("[HKCU\\a]\n\"a\"=\"\xC3\x28\"\n"), 4, "invalid UTF-8"},
        RejectCase{"KeyPathTooLong", withHeader("[HKCU\\a]\n[HKCU\\" + QByteArray(256, 'k') + "]\n"), 4,
                   "longer than 255"}),
    [](const testing::TestParamInfo<RejectCase>& test) { return std::string(test.param.name); });

TEST(RegText, RejectsBrokenUtf16ByLine) {
    const QString loneSurrogate(QChar(0xD800));
    const QString text = str("Windows Registry Editor Version 5.00\r\n\r\n[HKCU\\a]\r\n\"a\"=\"") + loneSurrogate + str("\"\r\n");
    const auto tree = RegistryTree::fromRegText(utf16le(text));
    ASSERT_FALSE(tree);
    EXPECT_EQ(tree.error(), str("line 4: invalid UTF-16"));

    QByteArray oddLength = utf16le(str("Windows Registry Editor Version 5.00\r\n")) + 'x';
    const auto odd = RegistryTree::fromRegText(oddLength);
    ASSERT_FALSE(odd);
    EXPECT_EQ(odd.error(), str("line 2: invalid UTF-16"));
}

TEST(RegText, LimitsTheTextSizeAndTheKeyPathLength) {
    // A file far beyond any registry of ours is refused unread.
    QByteArray big = withHeader("[HKCU\\a]\n");
    big.append(QByteArray(1024 * 1024, ';'));
    const auto tree = RegistryTree::fromRegText(big);
    ASSERT_FALSE(tree);
    EXPECT_TRUE(tree.error().contains(str("larger than"))) << tree.error().toStdString();

    // 255 characters of path is the most; "\\" + "k" more is refused.
    QByteArray path = "k";
    while (path.size() < 255) path += "\\k";
    const RegistryTree deep = parsed(withHeader("[HKCU\\" + path + "]\n"));
    EXPECT_TRUE(deep.keyExists(kCu, QString::fromLatin1(path)));
    EXPECT_EQ(parsed(deep.toRegText()).toRegText(), deep.toRegText());
    EXPECT_FALSE(RegistryTree::fromRegText(withHeader("[HKCU\\" + path + "\\k]\n")));
}

// --- the store ----------------------------------------------------------------

class RegistryStoreTest : public testing::Test {
protected:
    QString path() const { return dir_.filePath(str("config/kyreport/registry.reg")); }
    QTemporaryDir dir_;
};

TEST_F(RegistryStoreTest, AMissingFileReadsAsAnEmptyRegistry) {
    const auto tree = RegistryStore(path()).read();
    ASSERT_TRUE(tree) << tree.error().toStdString();
    EXPECT_TRUE(tree->subkeys(kCu, {}).isEmpty());
    EXPECT_EQ(tree->toRegText(), crlf("Windows Registry Editor Version 5.00\n\n"));
}

TEST_F(RegistryStoreTest, UpdateCreatesFoldersAndWritesTheExportFormat) {
    RegistryStore store(path());
    ASSERT_TRUE(store.update(
        [](RegistryTree& tree) { tree.setValue(kCu, str("Software\\Ky"), str("n"), RegistryValue::fromDword(1)); }));
    EXPECT_EQ(readFile(path()), crlf("Windows Registry Editor Version 5.00\n\n"
                                     "[HKEY_CURRENT_USER\\Software\\Ky]\n"
                                     "\"n\"=dword:00000001\n\n"));
    EXPECT_FALSE(QFile::exists(path() + str(".lock")));  // released
}

TEST_F(RegistryStoreTest, TwoStoresOnOneFileSeeEachOthersUpdates) {
    RegistryStore first(path());
    RegistryStore second(path());
    const auto set = [](const char* key, const char* name, const char* text) {
        return [=](RegistryTree& tree) { tree.setValue(kCu, str(key), str(name), RegistryValue::string(str(text))); };
    };
    ASSERT_TRUE(first.update(set("a", "x", "1")));
    ASSERT_TRUE(second.update(set("b", "y", "2")));

    const auto seen = first.read();
    ASSERT_TRUE(seen) << seen.error().toStdString();
    EXPECT_EQ(seen->value(kCu, str("a"), str("x")), RegistryValue::string(str("1")));  // kept by the second update
    EXPECT_EQ(seen->value(kCu, str("b"), str("y")), RegistryValue::string(str("2")));
}

TEST_F(RegistryStoreTest, ConcurrentUpdatesLoseNothing) {
    constexpr int kRounds = 8;
    const auto increment = [this] {
        RegistryStore store(path());
        for (int i = 0; i < kRounds; ++i) {
            const Status status = store.update([](RegistryTree& tree) {
                const auto count = tree.value(kCu, str("c"), str("n"));
                tree.setValue(kCu, str("c"), str("n"), RegistryValue::fromDword(count ? count->dword + 1 : 1));
            });
            ASSERT_TRUE(status) << status.error().toStdString();
        }
    };
    std::thread other(increment);
    increment();
    other.join();
    const auto tree = RegistryStore(path()).read();
    ASSERT_TRUE(tree) << tree.error().toStdString();
    EXPECT_EQ(tree->value(kCu, str("c"), str("n")), RegistryValue::fromDword(2 * kRounds));
}

TEST_F(RegistryStoreTest, ABrokenFileIsReportedAndNeverOverwritten) {
    RegistryStore store(path());
    ASSERT_TRUE(store.update([](RegistryTree& tree) { tree.createKey(kCu, str("a")); }));
    const QByteArray broken = withHeader("[HKCU\\a]\n\"x\"=hex:00\n");
    writeFile(path(), broken);

    const auto read = store.read();
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error(), path() + str(": line 4: unsupported value type \"hex\""));

    bool changed = false;
    const Status update = store.update([&](RegistryTree&) { changed = true; });
    ASSERT_FALSE(update);
    EXPECT_EQ(update.error(), read.error());
    EXPECT_FALSE(changed);
    EXPECT_EQ(readFile(path()), broken);
}

TEST_F(RegistryStoreTest, AChangeTheFileCannotHoldIsRefused) {
    RegistryStore store(path());
    ASSERT_TRUE(store.update([](RegistryTree& tree) { tree.createKey(kCu, str("a")); }));
    const QByteArray before = readFile(path());
    const Status update = store.update(
        [](RegistryTree& tree) { tree.setValue(kCu, str("a"), str("v"), RegistryValue::string(str("two\nlines"))); });
    ASSERT_FALSE(update);
    EXPECT_TRUE(update.error().contains(path())) << update.error().toStdString();
    EXPECT_EQ(readFile(path()), before);
}

TEST_F(RegistryStoreTest, UpdateGivesUpWhenTheLockIsHeld) {
    RegistryStore store(path(), 200);
    ASSERT_TRUE(store.update([](RegistryTree& tree) { tree.createKey(kCu, str("a")); }));
    QLockFile held(path() + str(".lock"));
    ASSERT_TRUE(held.tryLock());

    const Status update = store.update([](RegistryTree& tree) { tree.createKey(kCu, str("b")); });
    ASSERT_FALSE(update);
    EXPECT_EQ(update.error(), str("cannot lock ") + path() + str(": another writer has held it for more than 200 ms"));
    held.unlock();
    EXPECT_FALSE(RegistryStore(path()).read()->keyExists(kCu, str("b")));
}

TEST(RegistryStoreDefaultPath, ComesFromKyRegistryOrThePerUserConfigFolder) {
    const QByteArray saved = qgetenv("KY_REGISTRY");
    const bool wasSet = qEnvironmentVariableIsSet("KY_REGISTRY");

    qputenv("KY_REGISTRY", "/tmp/elsewhere/registry.reg");
    EXPECT_EQ(RegistryStore::defaultPath(), str("/tmp/elsewhere/registry.reg"));
    for (bool set : {true, false}) {
        if (set)
            qputenv("KY_REGISTRY", "");
        else
            qunsetenv("KY_REGISTRY");
        const QString path = RegistryStore::defaultPath();
        EXPECT_TRUE(path.endsWith(str("/kyreport/registry.reg"))) << path.toStdString();
        EXPECT_TRUE(QDir::isAbsolutePath(path)) << path.toStdString();
    }

    if (wasSet)
        qputenv("KY_REGISTRY", saved);
    else
        qunsetenv("KY_REGISTRY");
}

}  // namespace
}  // namespace ky
