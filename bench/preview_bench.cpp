// The preview's paging on a long batch: the lab-fees example report over
// 5,000 patients with 45 fee rows each (15,000 pages), shown the way the
// preview window asks for a page (a picture of page N), with fixed text
// widths. Without an index every page is a run from the first record; with
// the preview's index a page is a run from the nearest page start kept.

#include "bench/record_sets_from_json.h"
#include "report/engine/fill/print_pages.h"
#include "report/engine/surface/recording_surface.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace ky {
namespace {

constexpr int kPatients = 5000, kFees = 45;

QString feesJson() {
    QString json = QStringLiteral(R"([{"K":"main","P":"","D":"收费单","U":"","L":"","F":"","R":[)");
    for (int p = 0; p < kPatients; ++p) {
        QString fees;
        for (int f = 0; f < kFees; ++f) {
            const int quantity = 1 + (p + f) % 3;
            const double price = 5 + (p * 7 + f * 13) % 200;
            fees += QStringLiteral(R"(%1{"Item":"检验项目%2","Price":%3,"Quantity":%4,"Amount":%5})")
                        .arg(f ? QStringLiteral(",") : QString())
                        .arg(f)
                        .arg(price)
                        .arg(quantity)
                        .arg(price * quantity);
        }
        json += QStringLiteral(R"(%1{"Name":"病人%2","AdmissionNo":"ZY2026-%3","SettleDate":"2026-12-10","Fees":[%4]})")
                    .arg(p ? QStringLiteral(",") : QString())
                    .arg(p)
                    .arg(p, 5, 10, QLatin1Char('0'))
                    .arg(fees);
    }
    return json + QStringLiteral("]}]");
}

QString feesTemplate() {
    QFile file(QStringLiteral(KY_EXAMPLES_DIR "/templates/lab_fees.rpx"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

struct Batch {
    RecordSetList data = recordSetsOf(feesJson());
    QString xml = feesTemplate();
    FixedTextMetrics metrics;
};

Batch& batch() {
    static Batch shared;
    return shared;
}

// One page as the preview shows it; the page count in `pages`.
void showPage(benchmark::State& state, int page) {
    Batch& b = batch();
    int pages = 0;
    for (auto _ : state) {
        RecordingSurface surface(b.metrics, RecordingSurface::Mode::Picture);
        ReportEngine engine;
        PrintRequest request{page, QStringLiteral("ALL"), 100};
        if (!engine.PrintPages(surface, &b.xml, ReportData(b.data), pages, request).isEmpty())
            state.SkipWithError("the report failed");
        benchmark::DoNotOptimize(surface.pages().size());
    }
    state.counters["pages"] = pages;
}

// Without an index: each page a run from the first record.
void BM_PreviewFirstPage(benchmark::State& state) { showPage(state, 1); }
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond);

// Pages past the end are shown as the last one.
void BM_PreviewMiddlePage(benchmark::State& state) { showPage(state, 6000); }
BENCHMARK(BM_PreviewMiddlePage)->Unit(benchmark::kMillisecond);

void BM_PreviewLastPage(benchmark::State& state) { showPage(state, 1 << 30); }
BENCHMARK(BM_PreviewLastPage)->Unit(benchmark::kMillisecond);

// With the index: opening (page 1 of a new index: the count and one page),
// the walk that keeps every page start (the last page of a new index), and
// then a page in the middle and the last page.
int showIndexed(ReportEngine& engine, PreviewIndex& index, int page) {
    Batch& b = batch();
    RecordingSurface surface(b.metrics, RecordingSurface::Mode::Picture);
    PrintRequest request{page, QStringLiteral("ALL"), 100};
    int pages = 0;
    static_cast<void>(engine.PrintPages(surface, &b.xml, ReportData(b.data), pages, request, index));
    benchmark::DoNotOptimize(surface.pages().size());
    return pages;
}

void BM_IndexedOpen(benchmark::State& state) {
    for (auto _ : state) {
        ReportEngine engine;
        PreviewIndex index;
        benchmark::DoNotOptimize(showIndexed(engine, index, 1));
    }
}
BENCHMARK(BM_IndexedOpen)->Unit(benchmark::kMillisecond);

void BM_IndexedWalkToTheEnd(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ReportEngine engine;
        PreviewIndex index;
        showIndexed(engine, index, 1);
        state.ResumeTiming();
        benchmark::DoNotOptimize(showIndexed(engine, index, 1 << 30));
    }
}
BENCHMARK(BM_IndexedWalkToTheEnd)->Unit(benchmark::kMillisecond);

void indexedPage(benchmark::State& state, int page) {
    ReportEngine engine;
    PreviewIndex index;
    const int pages = showIndexed(engine, index, 1 << 30);
    for (auto _ : state) benchmark::DoNotOptimize(showIndexed(engine, index, page));
    // What the index keeps a page: its starts with their cursors and flags.
    std::size_t bytes = 0;
    for (const PreviewIndex::PageStart& start : index.starts)
        bytes += sizeof start + static_cast<std::size_t>(start.cursors.size() + start.moved.size()) * 48;
    state.counters["pages"] = pages;
    state.counters["index_bytes_per_page"] = static_cast<double>(bytes) / pages;
}

void BM_IndexedMiddlePage(benchmark::State& state) { indexedPage(state, 6000); }
BENCHMARK(BM_IndexedMiddlePage)->Unit(benchmark::kMillisecond);

void BM_IndexedLastPage(benchmark::State& state) { indexedPage(state, 1 << 30); }
BENCHMARK(BM_IndexedLastPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ky
