// Parses arbitrary text as a sort order and applies it to a small record set.
// A sort either applies, showing every row once, or fails changing nothing.
#include "report/data/record_set.h"
#include "report/data/record_sort.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using ky::fuzz::check;
using ky::fuzz::visibleIds;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto keys = ky::parseSort(text);

    static const ky::RecordSet fixture = ky::fuzz::mixedRecordSet();
    ky::RecordSet rs = fixture;
    const QString before = QStringLiteral("Name DESC");
    check(rs.setSort(before).ok(), "the starting sort fails");
    const std::vector<int> beforeIds = visibleIds(rs);
    const ky::Status applied = rs.setSort(text);
    if (!applied) {
        check(!applied.error().isEmpty(), "a failure without a message");
        check(rs.sort() == before && visibleIds(rs) == beforeIds, "a failed sort changed the order");
        return 0;
    }
    check(keys.ok(), "a sort that does not parse applied");
    std::vector<int> ids = visibleIds(rs);
    check(ids.size() == 5, "the sort lost or added rows");
    // Sorting again gives the same order: the comparison is consistent.
    check(rs.setSort(text).ok(), "the same sort failed the second time");
    check(visibleIds(rs) == ids, "the same sort gave another order");
    std::sort(ids.begin(), ids.end());
    check(ids == std::vector<int>({1, 2, 3, 4, 5}), "the sort shows a row twice");
    return 0;
}
