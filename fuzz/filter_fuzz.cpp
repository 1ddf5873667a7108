// Parses arbitrary text as a filter and applies it to a small record set with
// a field of each kind. A filter either applies or fails leaving the old one;
// the indexed and the scanned evaluation must agree.
#include "report/data/record_filter.h"
#include "report/data/record_set.h"
#include "fuzz/fuzz_support.h"

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
        {QStringLiteral("ID"), ft::Integer, 0, true},        {QStringLiteral("Name"), ft::VarWChar, 50, true},
        {QStringLiteral("Score"), ft::Double, 0, true},      {QStringLiteral("Paid"), ft::Boolean, 0, true},
        {QStringLiteral("Born"), ft::Date, 0, true},         {QStringLiteral("Photo"), ft::VarBinary, 0, true},
        {QStringLiteral("Amount"), ft::Decimal, 0, true},    {QStringLiteral("Price"), ft::Currency, 0, true},
        {QStringLiteral("V"), ft::Variant, 0, true},         {QStringLiteral("Test Date"), ft::DbDate, 0, true},
    };
    const Value null = Value::null();
    const std::vector<std::vector<Value>> rows = {
        {1, QStringLiteral("Li"), 1.5, true, QStringLiteral("2024-03-05"), QByteArray("ab"), QStringLiteral("12.50"), 3.25,
         QStringLiteral("x"), null},
        {2, QStringLiteral("LI"), -0.0, false, null, null, null, null, 7, QStringLiteral("2024-01-01")},
        {3, null, 0.0, null, QStringLiteral("1999-12-31 23:59:59"), QByteArray(), QStringLiteral("-1e-3"), -1.0, true, null},
        {4, QStringLiteral("张三"), std::nan(""), true, 45356.5, QByteArray("\0", 1), QStringLiteral("0"), 0.0, null, null},
        {5, QStringLiteral(""), 1e300, false, null, null, null, null, QByteArray("b"), QStringLiteral("8:00")},
    };
    return ky::fuzz::recordSetOf({std::begin(fields), std::end(fields)}, rows);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto parsed = ky::parseFilter(text);

    static const ky::RecordSet fixture = makeFixture();
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
