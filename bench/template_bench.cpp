// Template speed: a 50-page template with 100 elements per page loaded,
// every page shown and written back, and the document saved, against
// pugixml's own parse and save of the same bytes in the same run.

#include "report/template/template_document.h"
#include "report/template/xml_document.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace ky {
namespace {

constexpr int kPages = 50;

QString font() {
    return QStringLiteral("<FontSize>9</FontSize><FontName>宋体</FontName><FontBold>False</FontBold><FontItalic>False</FontItalic>"
                          "<FontUnderline>False</FontUnderline>");
}

QString geometry(int i) {
    return QStringLiteral("<Left>%1</Left><Top>%2</Top><Width>1200</Width><Height>300</Height>").arg(i % 10 * 1100).arg(i / 10 * 400);
}

// Per page: 40 labels, 40 text boxes, 10 lines, 5 boxes, 5 check boxes.
QByteArray makeTemplate() {
    QString xml = QStringLiteral("<Report><Pages>");
    for (int page = 1; page <= kPages; ++page) {
        xml += QStringLiteral("<Page><PageNo>%1</PageNo><Size><PageWidth>21</PageWidth><PageHeight>29.7</PageHeight></Size><Controls>")
                   .arg(page);
        QString labels, textBoxes, lines, boxes, checks;
        for (int i = 0; i < 100; ++i) {
            if (i < 40)
                labels += QStringLiteral("<Label>") + geometry(i) + font() +
                          QStringLiteral("<AutoCenter>True</AutoCenter><AutoCHSize>False</AutoCHSize><Caption>项目 %1</Caption></Label>").arg(i);
            else if (i < 80)
                textBoxes += QStringLiteral("<Textbox>") + geometry(i) + font() +
                             QStringLiteral("<AutoCHSize>False</AutoCHSize><DataField>Field%1</DataField><ZeroIsNull>False</ZeroIsNull></Textbox>").arg(i);
            else if (i < 90)
                lines += QStringLiteral("<Line>") + geometry(i) + QStringLiteral("<Xiexian>1</Xiexian></Line>");
            else if (i < 95)
                boxes += QStringLiteral("<Box>") + geometry(i) + QStringLiteral("<Rows>3</Rows><Cols>4</Cols></Box>");
            else
                checks += QStringLiteral("<Check>") + geometry(i) + font() +
                          QStringLiteral("<AutoCenter>True</AutoCenter><AutoCHSize>False</AutoCHSize><Caption>急诊</Caption>"
                                         "<Value>1</Value><ZDuiQi>True</ZDuiQi></Check>");
        }
        xml += QStringLiteral("<Labels>") + labels + QStringLiteral("</Labels><TextBoxs>") + textBoxes +
               QStringLiteral("</TextBoxs><Lines>") + lines + QStringLiteral("</Lines><Boxs>") + boxes +
               QStringLiteral("</Boxs><Checks>") + checks + QStringLiteral("</Checks></Controls></Page>");
    }
    xml += QStringLiteral("</Pages><Name>Bench</Name></Report>");
    return xml.toUtf8();
}

void BM_TemplateRoundTripRatio(benchmark::State& state) {
    const QByteArray bytes = makeTemplate();
    using Clock = std::chrono::steady_clock;
    double oursSeconds = 0, pugiSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        ReportSession session;
        TemplateDocument document(session);
        (void)document.loadRPX(makeStream(bytes));
        for (int page = 1; page <= kPages; ++page) {
            (void)document.showPage(page);
            document.writeCurrentPage();
        }
        benchmark::DoNotOptimize(document.save());
        oursSeconds += std::chrono::duration<double>(Clock::now() - start).count();

        start = Clock::now();
        pugi::xml_document plain;
        (void)loadXmlBytes(plain, bytes);
        benchmark::DoNotOptimize(saveXmlBytes(plain));
        pugiSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.counters["ours_ms"] = oursSeconds * 1000 / static_cast<double>(state.iterations());
    state.counters["pugixml_ms"] = pugiSeconds * 1000 / static_cast<double>(state.iterations());
    state.counters["ratio"] = oursSeconds / pugiSeconds;
    state.counters["MiB"] = static_cast<double>(bytes.size()) / (1 << 20);
}
BENCHMARK(BM_TemplateRoundTripRatio)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace ky
