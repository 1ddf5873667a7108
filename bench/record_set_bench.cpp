// Record-set speed: appending, sorting, persisting and restoring a large
// record set, and the equality filters child reports set once per parent row.

#include "report/data/record_set.h"
#include "report/data/record_set_stream.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace ky {
namespace {

constexpr int kLargeRows = 1'000'000;

// Eight fields of the kinds report data has: numbers, texts, a flag, a date.
// Rows sharing a key stand together, as child rows do when they are built
// parent row by parent row.
RecordSet makeRecords(int rows, int distinctKeys) {
    const int rowsPerKey = std::max(1, rows / distinctKeys);
    RecordSet rs;
    const FieldInfo fields[] = {
        {QStringLiteral("RowID"), fieldtype::Double, 0, true},       {QStringLiteral("Key"), fieldtype::VarWChar, 255, true},
        {QStringLiteral("Name"), fieldtype::VarWChar, 255, true},    {QStringLiteral("Test"), fieldtype::VarWChar, 255, true},
        {QStringLiteral("Result"), fieldtype::Double, 0, true},      {QStringLiteral("Unit"), fieldtype::VarWChar, 255, true},
        {QStringLiteral("Abnormal"), fieldtype::Boolean, 0, true},   {QStringLiteral("Taken"), fieldtype::Date, 0, true},
    };
    for (const auto& f : fields) (void)rs.appendField(f);
    rs.open();
    for (int i = 0; i < rows; ++i) {
        (void)rs.addNew();
        (void)rs.setValue(0, static_cast<double>(i + 1));
        (void)rs.setValue(1, QStringLiteral("K%1").arg(i / rowsPerKey));
        // A pseudo-random name so the sort has real work to do.
        (void)rs.setValue(2, QStringLiteral("Patient %1").arg((static_cast<unsigned>(i) * 2654435761u) % 1000003u));
        (void)rs.setValue(3, QStringLiteral("血红蛋白"));
        (void)rs.setValue(4, 100.0 + i % 77);
        (void)rs.setValue(5, QStringLiteral("g/L"));
        (void)rs.setValue(6, i % 13 == 0);
        (void)rs.setValue(7, OleDate{45000.0 + i % 365});
    }
    return rs;
}

void BM_AppendRows(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(makeRecords(kLargeRows, 10000));
    state.SetItemsProcessed(state.iterations() * kLargeRows);
}
BENCHMARK(BM_AppendRows)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SortByText(benchmark::State& state) {
    RecordSet rs = makeRecords(kLargeRows, 10000);
    for (auto _ : state) {
        (void)rs.setSort(QStringLiteral("Name"));
        state.PauseTiming();
        (void)rs.setSort(QString());
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kLargeRows);
}
BENCHMARK(BM_SortByText)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_Persist(benchmark::State& state) {
    const RecordSet rs = makeRecords(kLargeRows, 10000);
    qsizetype bytes = 0;
    for (auto _ : state) bytes = saveRecordSet(rs).size();
    state.SetItemsProcessed(state.iterations() * kLargeRows);
    state.counters["MiB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_Persist)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_Restore(benchmark::State& state) {
    const QByteArray saved = saveRecordSet(makeRecords(kLargeRows, 10000));
    for (auto _ : state) benchmark::DoNotOptimize(loadRecordSet(saved));
    state.SetItemsProcessed(state.iterations() * kLargeRows);
}
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond)->Iterations(2);

// 10,000 equality filters with distinct values over 200,000 rows, reading
// the matching rows each time, against one full pass over the rows that
// reads the same field and compares it (what a filter without an index
// costs). Both are timed in the same run; "ratio" is filters / pass.
void BM_ChildFilterRatio(benchmark::State& state) {
    constexpr int rows = 200'000, filters = 10'000;
    RecordSet rs = makeRecords(rows, filters);
    const int key = rs.fieldIndex(u"Key");
    const int result = rs.fieldIndex(u"Result");
    using Clock = std::chrono::steady_clock;
    double passSeconds = 0, filterSeconds = 0;
    long matched = 0;
    for (auto _ : state) {
        const QString wanted = QStringLiteral("K4242");
        auto start = Clock::now();
        long hits = 0;
        for (rs.moveFirst(); !rs.isEof(); rs.moveNext())
            if (rs.valueAt(key).toText().compare(wanted, Qt::CaseInsensitive) == 0) ++hits;
        benchmark::DoNotOptimize(hits);
        passSeconds = std::chrono::duration<double>(Clock::now() - start).count();

        start = Clock::now();
        matched = 0;
        double sum = 0;
        for (int i = 0; i < filters; ++i) {
            (void)rs.setFilter(QStringLiteral("Key = 'K%1'").arg(i));
            for (rs.moveFirst(); !rs.isEof(); rs.moveNext()) {
                sum += *rs.valueAt(result).toDouble();
                ++matched;
            }
        }
        benchmark::DoNotOptimize(sum);
        filterSeconds = std::chrono::duration<double>(Clock::now() - start).count();
        (void)rs.setFilter(QString());
    }
    state.counters["pass_ms"] = passSeconds * 1000;
    state.counters["filters_ms"] = filterSeconds * 1000;
    state.counters["ratio"] = filterSeconds / passSeconds;
    state.counters["rows_matched"] = static_cast<double>(matched);
}
// One iteration on a fresh record set, so the index is built inside the
// timing; five repetitions, reported as mean, median and deviation, because
// single runs of a few milliseconds vary on a shared machine.
BENCHMARK(BM_ChildFilterRatio)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace ky
