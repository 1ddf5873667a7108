// Filling and paginating into a recording surface: (a) many main records of
// one page each with a 20-row child grid and a page total, (b) one record
// with a very long child report, (c) orders with nested item lists, and (d)
// one page shown the way the preview asks for it, late in a long report.
// Each at two sizes, so that the cost per page can be compared.

#include "bench/record_sets_from_json.h"
#include "report/engine/fill/print_pages.h"
#include "report/engine/surface/recording_surface.h"

#include <benchmark/benchmark.h>


namespace ky {
namespace {

QString cellTextBox(int left, const QString& field) {
    return QStringLiteral("<Textbox><Left>%1</Left><Top>0</Top><Width>1500</Width><Height>280</Height><FontSize>9</FontSize>"
                          "<DataField>%2</DataField><DataSourceID>1</DataSourceID><XSWS>2</XSWS></Textbox>")
        .arg(left)
        .arg(field);
}

QString controls(const QString& textBoxes, const QString& childReports = {}) {
    return QStringLiteral("<Controls><Labels/><TextBoxs>%1</TextBoxs><Lines/><Images/><Boxs/><Checks/><ChildReports>%2</ChildReports></Controls>")
        .arg(textBoxes, childReports);
}

QString childReport(int index, const QString& key, int width, int height, int cellWidth, const QString& cellControls,
                    const QString& parentList = QStringLiteral("Pic_Page")) {
    return QStringLiteral("<ChildReport><ChildReportIndex>%1</ChildReportIndex><Left>0</Left><Top>1500</Top><Width>%3</Width>"
                          "<Height>%4</Height><LieYinFangXiang>1</LieYinFangXiang><ChildRecordSetIndex>%2</ChildRecordSetIndex>"
                          "<ListName>C%1</ListName><ParentListName>%6</ParentListName>"
                          "<ChildMain><Width>%5</Width><Height>300</Height>%7</ChildMain></ChildReport>")
        .arg(index)
        .arg(key)
        .arg(width)
        .arg(height)
        .arg(cellWidth)
        .arg(parentList, cellControls);
}

QString report(const QString& pageControls) {
    return QStringLiteral("<Report><Pages><Page><PageNo>1</PageNo><Size><PageWidth>21</PageWidth><PageHeight>29.7</PageHeight>"
                          "<LeftMargin>1</LeftMargin><TopMargin>1</TopMargin></Size>%1</Page></Pages><Name>bench</Name></Report>")
        .arg(pageControls);
}

QString pageHeader() {
    return QStringLiteral("<Textbox><Left>0</Left><Top>0</Top><Width>4000</Width><Height>300</Height><FontSize>12</FontSize>"
                          "<DataField>Name</DataField><DataSourceID>0</DataSourceID></Textbox>"
                          "<Textbox><Left>5000</Left><Top>0</Top><Width>3000</Width><Height>300</Height>"
                          "<DataField>第[页码]页/共[总页数]页</DataField></Textbox>"
                          "<Textbox><Left>0</Left><Top>9000</Top><Width>3000</Width><Height>300</Height>"
                          "<SumLX>Result！页合计</SumLX><SumCRSIndex>main_Items</SumCRSIndex><XSWS>2</XSWS></Textbox>");
}

QString resultRows(int count, int offset) {
    QString rows;
    for (int i = 0; i < count; ++i)
        rows += QStringLiteral(R"(%1{"Test":"检验项目%2","Result":%3,"Unit":"g/L"})")
                    .arg(i ? QStringLiteral(",") : QString())
                    .arg(i % 40)
                    .arg((i * 37 + offset) % 1000 / 10.0);
    return rows;
}

// Patients with `items` results each.
QString patients(int count, int items) {
    QString json = QStringLiteral(R"([{"K":"main","P":"","D":"","U":"","L":"","F":"","R":[)");
    for (int p = 0; p < count; ++p)
        json += QStringLiteral(R"(%1{"Name":"病人%2","Items":[%3]})").arg(p ? QStringLiteral(",") : QString()).arg(p).arg(resultRows(items, p));
    return json + QStringLiteral("]}]");
}

// Orders with three to five item lines each.
QString orders(int count) {
    QString json = QStringLiteral(R"([{"K":"main","P":"","D":"","U":"","L":"","F":"","R":[{"Name":"客户","Orders":[)");
    for (int o = 0; o < count; ++o) {
        QString lines;
        for (int l = 0; l < 3 + o % 3; ++l)
            lines += QStringLiteral(R"(%1{"Item":"货品%2","Amount":%3})").arg(l ? QStringLiteral(",") : QString()).arg(l).arg(o % 100 + l);
        json += QStringLiteral(R"(%1{"No":"订单%2","Lines":[%3]})").arg(o ? QStringLiteral(",") : QString()).arg(o).arg(lines);
    }
    return json + QStringLiteral("]}]}]");
}

void runReport(benchmark::State& state, const QString& json, const QString& xml, int requestedPage = 0) {
    const RecordSetList list = recordSetsOf(json);
    const FixedTextMetrics metrics;
    int pages = 0;
    for (auto _ : state) {
        RecordingSurface surface(metrics, requestedPage ? RecordingSurface::Mode::Picture : RecordingSurface::Mode::Printer);
        ReportEngine engine;
        PrintRequest request{requestedPage ? requestedPage : 1, QStringLiteral("ALL"), 100};
        const QString message = engine.PrintPages(surface, &xml, ReportData(list), pages, request);
        if (!message.isEmpty()) state.SkipWithError("the report failed");
        benchmark::DoNotOptimize(surface.pages().size());
    }
    state.counters["pages"] = pages;
    state.counters["pages_per_s"] = benchmark::Counter(requestedPage ? 1 : pages, benchmark::Counter::kIsIterationInvariantRate);
}

QString gridReport() {
    const QString cell = controls(cellTextBox(0, QStringLiteral("Test")) + cellTextBox(1600, QStringLiteral("Result")));
    return report(controls(pageHeader(), childReport(1, QStringLiteral("main_Items"), 2 * 3200, 10 * 300, 3200, cell)));
}

// (a) Patients of one page each: 20 results in a 2-column grid, a page total.
void BM_PatientsOnePageEach(benchmark::State& state) {
    runReport(state, patients(static_cast<int>(state.range(0)), 20), gridReport());
}
BENCHMARK(BM_PatientsOnePageEach)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

// (b) One patient whose results fill many copies of the page.
void BM_OneLongChildReport(benchmark::State& state) {
    runReport(state, patients(1, static_cast<int>(state.range(0))), gridReport());
}
BENCHMARK(BM_OneLongChildReport)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);

// (c) Orders, each with its lines in a nested report.
void BM_NestedOrders(benchmark::State& state) {
    const QString lineCell = controls(cellTextBox(0, QStringLiteral("Item")) + cellTextBox(1600, QStringLiteral("Amount")));
    const QString lines = childReport(2, QStringLiteral("main_Orders_Lines"), 3200, 300, 3200, lineCell, QStringLiteral("C1"));
    const QString orderCell = controls(cellTextBox(3300, QStringLiteral("No")), lines);
    const QString xml = report(controls(pageHeader(), childReport(1, QStringLiteral("main_Orders"), 6000, 30 * 300, 6000, orderCell)));
    runReport(state, orders(static_cast<int>(state.range(0))), xml);
}
BENCHMARK(BM_NestedOrders)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

// (d) The preview asks for one page late in the report: the run walks up to it.
void BM_PreviewLastPage(benchmark::State& state) {
    const int patientsCount = static_cast<int>(state.range(0));
    runReport(state, patients(patientsCount, 20), gridReport(), patientsCount);
}
BENCHMARK(BM_PreviewLastPage)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ky
