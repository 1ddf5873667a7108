// Table pages (40 rows × 6 columns of text with their rules) written as EMF
// page files: the cost of the EMF output path alone, without filling. Text
// is measured with the fixed metrics, so font lookups do not blur it.

#include "report/engine/emf/emf_surface.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace ky {
namespace {

constexpr int kRows = 40, kColumns = 6;
constexpr double kCellWidth = 1800, kRowHeight = 360, kLeft = 567, kTop = 567;

void drawTablePage(EmfSurface& surface, int page) {
    const SurfaceFont font{QStringLiteral("宋体"), 9};
    for (int row = 0; row < kRows; ++row) {
        const double top = kTop + row * kRowHeight;
        for (int column = 0; column < kColumns; ++column) {
            const QRectF cell(kLeft + column * kCellWidth, top, kCellWidth, kRowHeight);
            const QString text = column == 0 ? QStringLiteral("检验项目%1").arg(row) : QString::number(page * 0.5 + row * column, 'f', 2);
            surface.drawText(cell, text, font, {column == 0 ? TextAlignment::Left : TextAlignment::Right, {}}, 0);
        }
        surface.drawLine(QPointF(kLeft, top), QPointF(kLeft + kColumns * kCellWidth, top), 0, 1);
    }
    for (int column = 0; column <= kColumns; ++column) {
        const double x = kLeft + column * kCellWidth;
        surface.drawLine(QPointF(x, kTop), QPointF(x, kTop + kRows * kRowHeight), 0, 1);
    }
}

void BM_EmfTablePages(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    FixedTextMetrics metrics;
    for (auto _ : state) {
        EmfSurface surface(metrics, {}, [&](int page) { return dir.filePath(QStringLiteral("t_%1.emf").arg(page)); },
                           [](const QByteArray&) { return std::optional<QImage>(); });
        surface.setScale(11906, 16838);
        for (int page = 1; page <= pages; ++page) {
            surface.openPage(page);
            drawTablePage(surface, page);
            surface.newPage();
        }
        surface.endDoc();
        if (surface.writtenFiles().size() != pages) state.SkipWithError("a page file is missing");
    }
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages) * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}
// Wall time: writing the files is part of the cost.
BENCHMARK(BM_EmfTablePages)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace ky
