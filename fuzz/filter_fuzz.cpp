// Parses arbitrary text as a filter and applies it to a small record set with
// a field of each kind. A filter either applies or fails leaving the old one;
// the indexed and the scanned evaluation must agree.
#include "report/data/record_filter.h"
#include "report/data/record_set.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>
#include <vector>

namespace {

using ky::fuzz::check;
using ky::fuzz::visibleIds;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto parsed = ky::parseFilter(text);

    static const ky::RecordSet fixture = ky::fuzz::mixedRecordSet();
    ky::RecordSet rs = fixture;
    const QString before = QStringLiteral("ID > 1");
    check(rs.setFilter(before).ok(), "the starting filter fails");
    const ky::Status applied = rs.setFilter(text);
    if (!applied) {
        check(!applied.error().isEmpty(), "a failure without a message");
        check(rs.filter() == before, "a failed filter replaced the old one");
        check(rs.recordCount() == 4, "a failed filter changed the rows");
        return 0;
    }
    // An empty filter applies whatever the parser says of empty text.
    check(parsed.ok() || text.trimmed().isEmpty(), "a filter that does not parse applied");
    const auto rows = visibleIds(rs);

    // The same filter inside an or with a false branch is scanned, not indexed.
    if (!text.trimmed().isEmpty()) {
        ky::RecordSet scanned = fixture;
        if (scanned.setFilter(QStringLiteral("(") + text + QStringLiteral(") or ID < 0")))
            check(visibleIds(scanned) == rows, "indexed and scanned filters disagree");
    }
    return 0;
}
