// Parses arbitrary bytes as an INI file, then reads and edits it the way the
// profile functions do; the edits must be visible and the text stable.
#include "platform/ini_file.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>

using ky::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ky::IniFile ini = ky::IniFile::parse(bytes);

    const QByteArray text = ini.toText();
    check(ky::IniFile::parse(text).toText() == text, "text does not read back to the same lines");

    const QStringList sections = ini.sections();
    const QString firstSection = sections.isEmpty() ? QStringLiteral("Fuzz") : sections.front();
    const QStringList keys = ini.keys(firstSection);
    for (const QString& key : keys) check(ini.contains(firstSection, key), "a listed key is not found");
    (void)ini.value(firstSection, keys.isEmpty() ? QStringLiteral("k") : keys.back(), QStringLiteral("fallback"));

    const QString value = QStringLiteral("new value");
    if (!keys.isEmpty()) {
        ini.setValue(firstSection, keys.front(), value);
        check(ini.value(firstSection, keys.front()) == value, "a replaced value is not read back");
    }
    ini.setValue(firstSection, QStringLiteral("fuzz added key"), value);
    check(ini.value(firstSection, QStringLiteral("FUZZ ADDED KEY")) == value, "an added key is not read back");
    ini.setValue(QStringLiteral("fuzz new section"), QStringLiteral("k"), value);
    check(ini.value(QStringLiteral("Fuzz New Section"), QStringLiteral("K")) == value, "a new section is not read back");

    check(ini.removeKey(firstSection, QStringLiteral("fuzz added key")), "an added key cannot be removed");
    if (sections.size() > 1) check(ini.removeSection(sections.back()), "a listed section cannot be removed");

    const QByteArray edited = ini.toText();
    check(ky::IniFile::parse(edited).toText() == edited, "edited text does not read back to the same lines");
    return 0;
}
