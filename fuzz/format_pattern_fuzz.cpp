// Formats values of every kind with an arbitrary pattern, and through
// FormatValue with the pattern as custom format. The first line of the input
// is the pattern, the rest a text value.
#include "report/engine/format/format_value.h"
#include "report/engine/format/pattern_format.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype newline = input.indexOf(u'\n');
    const QString pattern = newline < 0 ? input : input.left(newline);
    const QString text = newline < 0 ? QString() : input.mid(newline + 1);

    const ky::Value values[] = {ky::Value(),        ky::Value::null(), ky::Value(0),         ky::Value(-1234.5678),
                                ky::Value(1e300),   ky::Value(-1e-300), ky::Value(true),     ky::Value(ky::OleDate{45356.5}),
                                ky::Value(ky::OleDate{-1e7}), ky::Value(text)};
    for (const ky::Value& v : values) {
        const QString shown = ky::formatWithPattern(v, pattern);
        // Output grows with the pattern and the value's digits, never beyond.
        ky::fuzz::check(shown.size() <= 8 * (pattern.size() + text.size()) + 2000, "a formatted text out of proportion");
    }
    ky::FormatOptions options;
    options.Format = 5;
    options.CusFormat = pattern;
    options.XSWS = static_cast<int>(size % 5) - 1;
    options.XYJG = size % 3 == 0 ? 0.5 : 0;
    (void)ky::FormatValue(ky::Value(text), options);
    (void)ky::FormatValue(ky::Value(2.25), options);
    return 0;
}
