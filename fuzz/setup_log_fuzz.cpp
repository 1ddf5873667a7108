// Reads arbitrary bytes as an installation log, plain and complemented, and
// every entry as each kind the removal reads; setting a key must be visible
// and survive writing and reading back.
#include "unsetup/log_entries.h"
#include "unsetup/setup_log.h"
#include "fuzz/fuzz_support.h"

#include <array>
#include <cstdint>

using ky::fuzz::check;
namespace unsetup = ky::unsetup;

namespace {

constexpr std::array<QStringView, 12> kSections{
    unsetup::section::common,     unsetup::section::runApps,      unsetup::section::sharedFiles,
    unsetup::section::standardFiles, unsetup::section::fonts,     unsetup::section::appFiles,
    unsetup::section::appFolders, unsetup::section::appDir,       unsetup::section::registryKeys,
    unsetup::section::registryValues, unsetup::section::iniKeys,  unsetup::section::libraries,
};

void readEveryEntry(const unsetup::SetupLog& log) {
    for (QStringView section : kSections) {
        const int count = log.entryCount(section);
        for (int i = 0; i < count; ++i) {
            const QString entry = log.entry(section, i);
            (void)unsetup::readPathEntry(entry);
            (void)unsetup::readFontEntry(entry);
            (void)unsetup::readRegistryKeyEntry(entry);
            (void)unsetup::readRegistryValueEntry(entry);
            (void)unsetup::readIniKeyEntry(entry);
            (void)unsetup::readProgramEntry(entry);
        }
    }
    (void)log.boolValue(unsetup::section::common, u"Application_Name");
    (void)log.intValue(unsetup::section::common, u"1001");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    unsetup::SetupLog log = unsetup::SetupLog::parse(bytes);
    readEveryEntry(log);

    // The same log complemented reads the same.
    const QByteArray text = log.toBytes();
    check(unsetup::SetupLog::parse(log.toBytes(true)).toBytes() == text, "a complemented log reads differently");

    const QString value = QStringLiteral("fuzz value");
    log.setValue(unsetup::section::common, u"FuzzKey", value);
    check(log.value(unsetup::section::common, u"FuzzKey") == value, "a set key is not read back");
    // Plain text that does not begin with "[" reads as complemented, so such
    // a log survives only in its complemented form.
    const QByteArray plain = log.toBytes();
    const unsetup::SetupLog reread = unsetup::SetupLog::parse(plain.startsWith('[') ? plain : log.toBytes(true));
    check(reread.value(unsetup::section::common, u"FuzzKey") == value, "a set key does not survive writing");
    return 0;
}
