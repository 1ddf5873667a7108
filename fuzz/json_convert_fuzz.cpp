// Converts arbitrary text as report data: a message, a clear failure, or
// record sets whose rows all have their generated row numbers.
#include "report/data/json_to_record_sets.h"
#include "platform/com_error.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>

using ky::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ky::JsonToRPD_Rst converter;
    try {
        if (!converter.ParseStringToRPDRs(text).isEmpty()) return 0;
    } catch (const ky::ComError& error) {
        check(!error.message().isEmpty(), "a failure without a message");
        return 0;
    }
    for (int i = 0; i < converter.RPDRecordsetCount(); ++i) {
        const auto wrapper = converter.RPDRecordset(i);
        if (!wrapper) continue;
        ky::RecordSet& rs = *wrapper->recordSet();
        check(rs.fieldCount() >= 2 && rs.field(0).name == QStringLiteral("RowID"), "a record set without RowID");
        long row = 0;
        for (rs.moveFirst(); !rs.isEof(); rs.moveNext())
            check(rs.valueAt(0).toDouble() == ++row, "row numbers out of order");
    }
    return 0;
}
