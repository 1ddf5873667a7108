#include "engine/fill/fill_fixture.h"

#include <gtest/gtest.h>

namespace ky::test {
namespace {

// One patient with seven results, numbered in their test names.
QString sevenResults() {
    QString rows;
    for (int i = 1; i <= 7; ++i) rows += QStringLiteral(R"(%1{"Test":"T%2","Result":%2})").arg(i > 1 ? u","_qs : QString()).arg(i);
    return uR"([{"K":"main","P":"","D":"","U":"","L":"","F":"","R":[{"Name":"李明","Items":[)"_qs + rows + u"]}]}]"_qs;
}

ChildReportLayout itemsGrid(int direction, const QString& extra = {}) {
    ChildReportLayout layout;
    layout.key = u"main_Items"_qs;
    layout.width = 6000;  // 3 columns of 2000
    layout.height = 600;  // 2 rows of 300
    layout.direction = direction;
    layout.extra = extra;
    layout.cell.textBoxes = {tag(u"Textbox"_qs, geometry(0, 0, 2000, 300) + tag(u"FontSize"_qs, u"10"_qs) +
                                                  tag(u"DataField"_qs, u"Test"_qs) + tag(u"DataSourceID"_qs, u"1"_qs))};
    return layout;
}

// Where each text of the page's cells was drawn.
std::vector<std::pair<QString, QPointF>> cellTexts(const RecordedPage& page) {
    std::vector<std::pair<QString, QPointF>> out;
    for (const DrawOp& op : page.ops)
        if (op.kind == DrawOp::Kind::Text && op.rect.top() >= 3000) out.emplace_back(op.text, op.rect.topLeft());
    return out;
}

class ChildReportsTest : public testing::Test {
protected:
    void SetUp() override { fixture.loadJson(sevenResults()); }
    ReportFixture fixture;
};

TEST_F(ChildReportsTest, AcrossFirstFillsRowsAndContinuesOnACopyOfThePage) {
    const FilledReport filled = fixture.print(report({page(1, {.childReports = {childReport(itemsGrid(1))}})}));
    EXPECT_EQ(filled.totalPages, 2);
    ASSERT_EQ(filled.pages.size(), 2u);
    const auto first = cellTexts(filled.pages[0]);
    ASSERT_EQ(first.size(), 6u);
    EXPECT_EQ(first[0], std::make_pair(u"T1"_qs, QPointF(0, 3000)));
    EXPECT_EQ(first[1], std::make_pair(u"T2"_qs, QPointF(2000, 3000)));
    EXPECT_EQ(first[3], std::make_pair(u"T4"_qs, QPointF(0, 3300)));
    // Row 7 opens the copy; the cells after it show the no-data text.
    const auto second = cellTexts(filled.pages[1]);
    ASSERT_EQ(second.size(), 6u);
    EXPECT_EQ(second[0].first, u"T7"_qs);
    for (std::size_t i = 1; i < second.size(); ++i) EXPECT_EQ(second[i].first, u"/"_qs);
}

TEST_F(ChildReportsTest, DownFirstFillsAColumnBeforeTheNext) {
    const FilledReport filled = fixture.print(report({page(1, {.childReports = {childReport(itemsGrid(2))}})}));
    const auto first = cellTexts(filled.pages[0]);
    ASSERT_EQ(first.size(), 6u);
    EXPECT_EQ(first[1], std::make_pair(u"T2"_qs, QPointF(0, 3300)));
    EXPECT_EQ(first[2], std::make_pair(u"T3"_qs, QPointF(2000, 3000)));
}

TEST_F(ChildReportsTest, EofEndLeavesTheCellsAfterTheLastRowEmpty) {
    const FilledReport filled =
        fixture.print(report({page(1, {.childReports = {childReport(itemsGrid(1, tag(u"EOFEnd"_qs, u"True"_qs)))}})}));
    ASSERT_EQ(filled.pages.size(), 2u);
    const auto second = cellTexts(filled.pages[1]);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].first, u"T7"_qs);
}

TEST_F(ChildReportsTest, GrandTotalsShowOnTheLastCopyAndPageTotalsSumTheirCopy) {
    const QString grand = tag(u"SumLX"_qs, u"Result！总合计"_qs) + tag(u"SumCRSIndex"_qs, u"main_Items"_qs);
    const QString pageSum = tag(u"SumLX"_qs, u"Result！页合计"_qs) + tag(u"SumCRSIndex"_qs, u"main_Items"_qs);
    const QString xml = report({page(1, {.textBoxes = {textBox(0, 0, u"元"_qs, grand), textBox(0, 400, QString(), pageSum)},
                                         .childReports = {childReport(itemsGrid(1))}})});
    const FilledReport filled = fixture.print(xml);
    ASSERT_EQ(filled.pages.size(), 2u);
    // The totals carry the data field as a suffix; a grand total not yet
    // shown is blank (nothing drawn), not a total of 0.
    EXPECT_EQ(textsOf(filled.pages[0]).mid(6), QStringList{u"21"_qs});
    EXPECT_EQ(textsOf(filled.pages[1]).mid(6), (QStringList{u"28元"_qs, u"7"_qs}));
}

TEST_F(ChildReportsTest, AFlowingReportListsEveryRowOnceForEachRunOfEqualTexts) {
    ReportFixture flowing;
    flowing.loadJson(uR"([{"K":"main","P":"","D":"","U":"","L":"","F":"","R":[{"Name":"李明","Items":[
        {"Test":"A"},{"Test":"A"},{"Test":"B"},{"Test":"A"}]}]}])"_qs);
    ChildReportLayout layout = itemsGrid(1, tag(u"IsFlowText"_qs, u"True"_qs));
    const FilledReport filled = flowing.print(report({page(1, {.childReports = {childReport(layout)}})}));
    ASSERT_EQ(filled.pages.size(), 1u);
    EXPECT_EQ(cellTexts(filled.pages[0]).at(0).first, u"A;B;A"_qs);
}

TEST_F(ChildReportsTest, ARowWithANestedReportTakesTheCellsTheNestedReportNeeds) {
    ReportFixture orders;
    orders.loadJson(uR"([{"K":"main","P":"","D":"","U":"","L":"","F":"","R":[{"Name":"李明","Orders":[
        {"No":"A1","Lines":[{"Item":"a"},{"Item":"b"},{"Item":"c"}]},
        {"No":"A2","Lines":[{"Item":"d"}]}]}]}])"_qs);
    ChildReportLayout lines;
    lines.key = u"main_Orders_Lines"_qs;
    lines.index = 2;
    lines.parentListName = u"C1"_qs;
    lines.top = 0;
    lines.left = 1000;
    lines.width = 1000;
    lines.height = 300;  // one line per cell of the order
    lines.cellWidth = 1000;
    lines.cellHeight = 300;
    lines.cell.textBoxes = {textBox(0, 0, u"Item"_qs)};
    ChildReportLayout ordersLayout;
    ordersLayout.key = u"main_Orders"_qs;
    ordersLayout.width = 2000;
    ordersLayout.height = 1500;  // five cells, one column
    ordersLayout.direction = 2;
    ordersLayout.cell.textBoxes = {textBox(0, 0, u"No"_qs)};
    ordersLayout.cell.childReports = {childReport(lines)};
    const FilledReport filled = orders.print(report({page(1, {.childReports = {childReport(ordersLayout)}})}));
    ASSERT_EQ(filled.pages.size(), 1u);
    QStringList texts = textsOf(filled.pages[0]);
    // Order A1 holds three cells, one line each; A2 the fourth; the fifth has no row.
    EXPECT_EQ(texts, (QStringList{u"a"_qs, u"A1"_qs, u"b"_qs, u"A1"_qs, u"c"_qs, u"A1"_qs, u"d"_qs, u"A2"_qs, u"/"_qs, u"/"_qs}));
}

TEST_F(ChildReportsTest, AShortReportBesideALongOneStartsAgainOnEveryCopy) {
    ReportFixture two;
    two.loadJson(uR"([{"K":"main","P":"","D":"","U":"","L":"","F":"","R":[{"Name":"李明",
        "Short":[{"Test":"S1"}],
        "Long":[{"Test":"L1"},{"Test":"L2"},{"Test":"L3"}]}]}])"_qs);
    ChildReportLayout shortLayout = itemsGrid(1);
    shortLayout.key = u"main_Short"_qs;
    shortLayout.width = 2000;
    shortLayout.height = 300;
    ChildReportLayout longLayout = shortLayout;
    longLayout.key = u"main_Long"_qs;
    longLayout.index = 2;
    longLayout.top = 4000;
    const FilledReport filled = two.print(report({page(1, {.childReports = {childReport(shortLayout), childReport(longLayout)}})}));
    ASSERT_EQ(filled.pages.size(), 3u);
    for (int copy = 0; copy < 3; ++copy)
        EXPECT_EQ(textsOf(filled.pages[copy]), (QStringList{u"S1"_qs, u"L"_qs + QString::number(copy + 1)})) << copy;
}

TEST_F(ChildReportsTest, AMainAreaThatDoesNotFitItsFrameCountsAndDrawsNothing) {
    ChildReportLayout layout = itemsGrid(1);
    layout.cellWidth = 9000;  // wider than the frame
    const FilledReport filled = fixture.print(report({page(1, {.childReports = {childReport(layout)}})}));
    EXPECT_TRUE(filled.message.isEmpty());
    EXPECT_EQ(filled.totalPages, 1);
    ASSERT_EQ(filled.pages.size(), 1u);
    EXPECT_TRUE(cellTexts(filled.pages[0]).empty());
}

// A frame far taller than the paper (a stray number in a template): its rows
// fill the cells in order as before, but only the cells on the paper are drawn.
TEST_F(ChildReportsTest, CellsBeyondThePaperTakeTheirRowsAndDrawNothing) {
    ChildReportLayout layout = itemsGrid(1);
    layout.height = 1000000000;  // the most a frame holds: a thousand kilometres of 300-twip rows
    const FilledReport filled = fixture.print(report({page(1, {.childReports = {childReport(layout)}})}));
    EXPECT_EQ(filled.totalPages, 1);
    ASSERT_EQ(filled.pages.size(), 1u);
    const auto cells = cellTexts(filled.pages[0]);
    // 29.7 cm of paper is 16838 twips: rows from 3000 down to 16800, three cells each.
    ASSERT_EQ(cells.size(), 47u * 3);
    EXPECT_EQ(cells[6], std::make_pair(u"T7"_qs, QPointF(0, 3600)));
    EXPECT_EQ(cells.back(), std::make_pair(u"/"_qs, QPointF(4000, 16800)));
}

TEST_F(ChildReportsTest, AChildKeyThatNamesNoRecordSetDrawsNothing) {
    ChildReportLayout layout = itemsGrid(1);
    layout.key = u"nothing"_qs;
    const FilledReport filled = fixture.print(report({page(1, {.childReports = {childReport(layout)}})}));
    EXPECT_EQ(filled.totalPages, 1);
    EXPECT_TRUE(cellTexts(filled.pages[0]).empty());
}

}  // namespace
}  // namespace ky::test
