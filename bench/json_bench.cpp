// SetJsonData on 50 MB of laboratory data against RapidJSON's DOM parse of
// the same bytes, in the same run, and the conversion's peak memory.

#include "bench/lab_data_generator.h"
#include "report/api/rpd.h"

#include <benchmark/benchmark.h>
#include <rapidjson/document.h>

#include <sys/resource.h>

#include <chrono>

namespace ky {
namespace {

long maxRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_SetJsonDataAgainstRapidJson(benchmark::State& state) {
    const QByteArray bytes = bench::generateLabData(static_cast<qsizetype>(state.range(0)) << 20);
    // The host hands over text; RapidJSON takes the bytes. Neither pays the other's conversion.
    const QString text = QString::fromUtf8(bytes);
    using Clock = std::chrono::steady_clock;
    double oursSeconds = 0, rapidSeconds = 0;
    long peakGrowthKiB = 0;
    for (auto _ : state) {
        // Ours first: the peak resident size only grows, so RapidJSON's document
        // must not raise it before our growth is measured.
        const long before = maxRssKiB();
        auto start = Clock::now();
        {
            auto session = std::make_shared<ReportSession>();
            RPD report(session, std::make_shared<FixedPrinterService>(), QString());
            benchmark::DoNotOptimize(report.SetJsonData(text));
        }
        oursSeconds += std::chrono::duration<double>(Clock::now() - start).count();
        peakGrowthKiB = std::max(peakGrowthKiB, maxRssKiB() - before);

        start = Clock::now();
        {
            rapidjson::Document document;
            if (document.Parse(bytes.constData(), static_cast<size_t>(bytes.size())).HasParseError()) {
                state.SkipWithError("RapidJSON could not parse the data");
                return;
            }
        }
        rapidSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["MiB"] = static_cast<double>(bytes.size()) / (1 << 20);
    state.counters["ours_ms"] = oursSeconds * 1000 / n;
    state.counters["rapidjson_ms"] = rapidSeconds * 1000 / n;
    state.counters["ratio"] = oursSeconds / rapidSeconds;
    state.counters["peak_growth_x_input"] = static_cast<double>(peakGrowthKiB) * 1024 / static_cast<double>(bytes.size());
}
BENCHMARK(BM_SetJsonDataAgainstRapidJson)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace ky
