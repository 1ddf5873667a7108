// Parses arbitrary text as a sort order and applies it to a small record set.
// A sort either applies, showing every row once, or fails changing nothing.
#include "report/data/record_set.h"
#include "report/data/record_sort.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using ky::fuzz::check;
using ky::fuzz::visibleIds;

ky::RecordSet makeFixture() {
    namespace ft = ky::fieldtype;
    using ky::Value;
    const ky::FieldInfo fields[] = {
        {QStringLiteral("ID"), ft::Integer, 0, true},   {QStringLiteral("Name"), ft::VarWChar, 50, true},
        {QStringLiteral("Score"), ft::Double, 0, true}, {QStringLiteral("Paid"), ft::Boolean, 0, true},
        {QStringLiteral("Born"), ft::Date, 0, true},    {QStringLiteral("Photo"), ft::VarBinary, 0, true},
        {QStringLiteral("V"), ft::Variant, 0, true},    {QStringLiteral("Test Date"), ft::DbDate, 0, true},
    };
    const Value null = Value::null();
    const std::vector<std::vector<Value>> rows = {
        {1, QStringLiteral("b"), 1.5, true, QStringLiteral("2024-03-05"), QByteArray("ab"), QStringLiteral("x"), null},
        {2, QStringLiteral("A"), std::nan(""), false, null, null, 7, QStringLiteral("2024-01-01")},
        {3, null, 0.0, null, 1.0, QByteArray(), true, null},
        {4, QStringLiteral("a"), -0.0, true, 45356.5, QByteArray("a"), null, null},
        {5, QStringLiteral("张"), std::nan(""), false, null, null, QByteArray("b"), QStringLiteral("8:00")},
    };
    return ky::fuzz::recordSetOf({std::begin(fields), std::end(fields)}, rows);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto keys = ky::parseSort(text);

    static const ky::RecordSet fixture = makeFixture();
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
