// Reads arbitrary text as lenient JSON: any text gives a result or "Invalid
// JSON", never a crash or a hang; a result is an object or an array.
#include "report/data/json_reader.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>

using ky::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ky::JsonParse parsed = ky::ParseJson(text);
    if (!parsed.root) {
        check(parsed.errors == QStringLiteral("Invalid JSON"), "no result without Invalid JSON");
        return 0;
    }
    check(parsed.root->isObject() || parsed.root->isArray(), "a result that is neither object nor array");
    check(parsed.errors.isEmpty() || parsed.errors.endsWith(QStringLiteral("\r\n")), "an error line without CR LF");
    return 0;
}
