// The preview shows a page by a run that starts at the nearest page start it
// kept: every page, asked for in any order, is exactly the page a run from
// the first record draws (child reports across pages, page totals, grand
// totals and "第[页码]页/共[总页数]页" included).

#include "engine/fill/fill_fixture.h"
#include "report/engine/surface/display_list_json.h"

#include <QFile>
#include <QJsonDocument>

#include <algorithm>
#include <numeric>
#include <random>

namespace ky::test {
namespace {

// Patients with 1 to 60 fees: from part of a page to three pages each.
QString fees(int patients) {
    QString json = u"[{\"K\":\"main\",\"P\":\"\",\"D\":\"收费单\",\"U\":\"\",\"L\":\"\",\"F\":\"\",\"R\":["_qs;
    for (int p = 0; p < patients; ++p) {
        QString rows;
        for (int f = 0; f < 1 + (p * 23) % 60; ++f)
            rows += QStringLiteral(R"(%1{"Item":"项目%2","Price":%3,"Quantity":%4,"Amount":%5})")
                        .arg(f ? u","_qs : QString())
                        .arg(f)
                        .arg(5 + f % 7)
                        .arg(1 + f % 3)
                        .arg((5 + f % 7) * (1 + f % 3));
        json += QStringLiteral(R"(%1{"Name":"病人%2","AdmissionNo":"ZY%2","SettleDate":"2026-12-10","Fees":[%3]})")
                    .arg(p ? u","_qs : QString())
                    .arg(p)
                    .arg(rows);
    }
    return json + u"]}]"_qs;
}

QString feesTemplate() {
    QFile file(QStringLiteral(KY_EXAMPLES "/templates/lab_fees.rpx"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QByteArray pageText(const std::vector<RecordedPage>& pages) { return QJsonDocument(pagesToJson(pages)).toJson(); }

TEST(PreviewIndex, ShowsEveryPageInAnyOrderAsARunFromTheFirstRecord) {
    ReportFixture data;
    data.loadJson(fees(30));
    const QString xml = feesTemplate();
    ASSERT_FALSE(xml.isEmpty());
    const FixedTextMetrics metrics;

    const auto reference = [&](int page) {
        ReportEngine fresh;
        RecordingSurface surface(metrics, RecordingSurface::Mode::Picture);
        PrintRequest request{page, u"ALL"_qs, 100};
        int total = 0;
        EXPECT_TRUE(fresh.PrintPages(surface, &xml, ReportData(data.list()), total, request).isEmpty());
        return std::pair{total, pageText(surface.pages())};
    };
    const int total = reference(1).first;
    ASSERT_GT(total, 3 * PreviewIndex::kEvery) << "enough pages for several page starts";

    std::vector<int> order(static_cast<std::size_t>(total));
    std::iota(order.begin(), order.end(), 1);
    std::mt19937 random(20261211);
    std::shuffle(order.begin(), order.end(), random);
    order.insert(order.begin(), {1, total, total / 2});  // the preview opens at 1; then far jumps

    ReportEngine engine;
    PreviewIndex index;
    for (int page : order) {
        RecordingSurface surface(metrics, RecordingSurface::Mode::Picture);
        PrintRequest request{page, u"ALL"_qs, 100};
        int shownTotal = 0;
        ASSERT_TRUE(engine.PrintPages(surface, &xml, ReportData(data.list()), shownTotal, request, index).isEmpty());
        EXPECT_EQ(shownTotal, total);
        EXPECT_EQ(request.requestedPage, page);
        ASSERT_EQ(pageText(surface.pages()), reference(page).second) << "page " << page;
    }
    EXPECT_EQ(index.starts.size(), static_cast<std::size_t>((total + PreviewIndex::kEvery - 1) / PreviewIndex::kEvery));
}

TEST(PreviewIndex, APageBeyondTheLastShowsTheLast) {
    ReportFixture data;
    data.loadJson(fees(3));
    const QString xml = feesTemplate();
    const FixedTextMetrics metrics;
    ReportEngine engine;
    PreviewIndex index;
    RecordingSurface surface(metrics, RecordingSurface::Mode::Picture);
    PrintRequest request{999, u"ALL"_qs, 100};
    int total = 0;
    ASSERT_TRUE(engine.PrintPages(surface, &xml, ReportData(data.list()), total, request, index).isEmpty());
    EXPECT_EQ(request.requestedPage, total);
    ASSERT_EQ(surface.pages().size(), 1u);
}

}  // namespace
}  // namespace ky::test
