// Opens arbitrary bytes as a saved record set. Whatever opens must save and
// open again to the same bytes, and every value must convert without harm.
#include "report/data/record_set_stream.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>

using ky::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    auto loaded = ky::loadRecordSet(bytes);
    if (!loaded) {
        check(!loaded.error().isEmpty(), "a failure without a message");
        return 0;
    }
    ky::RecordSet& records = loaded.value();
    // Walk the rows as a report would, converting each value every way.
    for (records.moveFirst(); !records.isEof(); records.moveNext()) {
        for (int f = 0; f < records.fieldCount(); ++f) {
            const ky::Value& v = records.valueAt(f);
            (void)v.toText();
            (void)v.toDouble();
            (void)v.toBool();
            if (const auto date = v.toDate()) (void)date->toString();
            (void)records.actualSize(f);
        }
    }

    const QByteArray first = ky::saveRecordSet(records);
    auto again = ky::loadRecordSet(first);
    check(again.ok(), "a saved record set does not open");
    check(again->fieldCount() == records.fieldCount(), "the fields changed");
    check(again->totalRowCount() == records.totalRowCount(), "the row count changed");
    check(ky::saveRecordSet(again.value()) == first, "the second save differs from the first");
    return 0;
}
