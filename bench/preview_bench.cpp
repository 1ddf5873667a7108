// The preview's paging on a long batch: the lab-fees example report over
// 5,000 patients with 45 fee rows each (over ten thousand pages), shown the
// way the preview window asks for a page (a picture of page N), with fixed
// text widths. The figures to watch: showing page 1 when the preview opens,
// and showing a page in the middle and the last page after that.

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

void BM_PreviewFirstPage(benchmark::State& state) { showPage(state, 1); }
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond);

// Pages past the end are shown as the last one.
void BM_PreviewMiddlePage(benchmark::State& state) { showPage(state, 6000); }
BENCHMARK(BM_PreviewMiddlePage)->Unit(benchmark::kMillisecond);

void BM_PreviewLastPage(benchmark::State& state) { showPage(state, 1 << 30); }
BENCHMARK(BM_PreviewLastPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ky
