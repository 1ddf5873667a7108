// A 1,000-page table report (40 rows × 6 columns a page, a rule under each
// row) written to PDF: (a) filled and drawn through the engine onto the PDF
// surface, (b) the same texts and rules drawn straight onto a QPdfWriter,
// the limit of this output path. Both in the same run, in pages per second.

#include "bench/record_sets_from_json.h"
#include "report/engine/fill/print_pages.h"
#include "report/engine/qt/pdf_surface.h"
#include "report/engine/qt/project_fonts.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>


namespace ky {
namespace {

constexpr int kRows = 40, kColumns = 6, kColumnWidth = 1600, kRowHeight = 300;

QString cell(int column) {
    return QStringLiteral("<Textbox><Left>%1</Left><Top>0</Top><Width>%2</Width><Height>280</Height><FontSize>9</FontSize>"
                          "<DataField>C%3</DataField><DataSourceID>1</DataSourceID></Textbox>")
        .arg(column * kColumnWidth)
        .arg(kColumnWidth - 100)
        .arg(column);
}

QString tableReport() {
    QString cells;
    for (int c = 0; c < kColumns; ++c) cells += cell(c);
    const QString rule = QStringLiteral("<Line><Left>0</Left><Top>290</Top><Width>%1</Width><Height>0</Height>"
                                        "<Xiexian>1</Xiexian><BorderColor>0</BorderColor></Line>")
                             .arg(kColumns * kColumnWidth);
    const QString cellControls = QStringLiteral(
        "<Controls><Labels/><TextBoxs>%1</TextBoxs><Lines>%2</Lines><Images/><Boxs/><Checks/><ChildReports/></Controls>")
                                     .arg(cells, rule);
    const QString child = QStringLiteral(
        "<ChildReport><ChildReportIndex>1</ChildReportIndex><Left>0</Left><Top>600</Top><Width>%1</Width>"
        "<Height>%2</Height><LieYinFangXiang>1</LieYinFangXiang><ChildRecordSetIndex>main_Rows</ChildRecordSetIndex>"
        "<ListName>C1</ListName><ParentListName>Pic_Page</ParentListName>"
        "<ChildMain><Width>%1</Width><Height>%3</Height>%4</ChildMain></ChildReport>")
                              .arg(kColumns * kColumnWidth)
                              .arg(kRows * kRowHeight)
                              .arg(kRowHeight)
                              .arg(cellControls);
    const QString header = QStringLiteral("<Textbox><Left>0</Left><Top>0</Top><Width>4000</Width><Height>300</Height>"
                                          "<FontSize>12</FontSize><DataField>Name</DataField><DataSourceID>0</DataSourceID></Textbox>");
    return QStringLiteral("<Report><Pages><Page><PageNo>1</PageNo><Size><PageWidth>21</PageWidth><PageHeight>29.7</PageHeight>"
                          "<LeftMargin>1</LeftMargin><TopMargin>1</TopMargin></Size>"
                          "<Controls><Labels/><TextBoxs>%1</TextBoxs><Lines/><Images/><Boxs/><Checks/><ChildReports>%2"
                          "</ChildReports></Controls></Page></Pages><Name>bench</Name></Report>")
        .arg(header, child);
}

QString cellText(int page, int row, int column) { return QStringLiteral("项目%1-%2 %3").arg(page).arg(row).arg(column); }

// One main record per page, with 40 rows.
QString tableData(int pages) {
    QString json = QStringLiteral(R"([{"K":"main","P":"","D":"","U":"","L":"","F":"","R":[)");
    for (int p = 0; p < pages; ++p) {
        QString rows;
        for (int r = 0; r < kRows; ++r) {
            rows += r ? QStringLiteral(",{") : QStringLiteral("{");
            for (int c = 0; c < kColumns; ++c)
                rows += QStringLiteral(R"(%1"C%2":"%3")").arg(c ? QStringLiteral(",") : QString()).arg(c).arg(cellText(p, r, c));
            rows += u'}';
        }
        json += QStringLiteral(R"(%1{"Name":"表%2","Rows":[%3]})").arg(p ? QStringLiteral(",") : QString()).arg(p).arg(rows);
    }
    return json + QStringLiteral("]}]");
}

void BM_EngineToPdf(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const RecordSetList list = recordSetsOf(tableData(pages));
    const QString xml = tableReport();
    const QtTextMetrics metrics;
    QTemporaryDir dir;
    int total = 0;
    for (auto _ : state) {
        PdfSurface pdf(metrics, dir.filePath(QStringLiteral("engine.pdf")));
        ReportEngine engine;
        PrintRequest request;
        if (!engine.PrintPages(pdf, &xml, ReportData(list), total, request).isEmpty() || pdf.pagesDrawn() != pages)
            state.SkipWithError("the report failed");
    }
    state.counters["pages_per_s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_EngineToPdf)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same page drawn without the engine: texts and rules straight onto the writer.
void BM_BareQPdfWriter(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    QFont cellFont(QStringLiteral("宋体")), headerFont(QStringLiteral("宋体"));
    cellFont.setPointSizeF(9);
    headerFont.setPointSizeF(12);
    for (auto _ : state) {
        QPdfWriter writer(dir.filePath(QStringLiteral("bare.pdf")));
        writer.setResolution(PdfSurface::kResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        const double scale = PdfSurface::kResolution / 1440.0;  // twips to device pixels
        painter.scale(scale, scale);
        for (int p = 0; p < pages; ++p) {
            if (p) writer.newPage();
            painter.setFont(headerFont);
            painter.drawText(QPointF(567, 567 + 240), QStringLiteral("表%1").arg(p));
            painter.setFont(cellFont);
            for (int r = 0; r < kRows; ++r) {
                const double top = 567 + 600 + r * kRowHeight;
                for (int c = 0; c < kColumns; ++c)
                    painter.drawText(QPointF(567 + c * kColumnWidth, top + 200), cellText(p, r, c));
                painter.drawLine(QPointF(567, top + 290), QPointF(567 + kColumns * kColumnWidth, top + 290));
            }
        }
    }
    state.counters["pages_per_s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BareQPdfWriter)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ky

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    ky::useProjectFonts();
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
