#include "engine/fill/fill_fixture.h"

#include <gtest/gtest.h>

namespace ky::test {
namespace {

// Three patients, each with results; Zhao has none.
const QString kPatients = uR"([{"K":"main","P":"","D":"病人","U":"","L":"","F":"","R":[
  {"Name":"李明","Age":30,"Weight":72.5,"Items":[{"Test":"WBC","Result":5.5},{"Test":"RBC","Result":4.25},{"Test":"HGB","Result":140}]},
  {"Name":"王芳","Age":41,"Weight":null,"Items":[{"Test":"PLT","Result":210}]},
  {"Name":"赵伟","Age":52,"Weight":70,"Items":[]}]}])"_qs;

class PrintPagesTest : public testing::Test {
protected:
    void SetUp() override { fixture.loadJson(kPatients); }
    ReportFixture fixture;
};

TEST_F(PrintPagesTest, MessagesComeBeforeAnythingIsDrawn) {
    ReportFixture empty;
    const QString xml = report({page(1, {})});
    EXPECT_EQ(empty.print(xml).message, ReportEngine::kNoDataSource);

    empty.loadJson(uR"([{"K":"main","P":"","D":"","U":"","L":"","F":"","R":[]}])"_qs);
    EXPECT_EQ(empty.print(xml).message, ReportEngine::kNoDataSource);  // an empty row list makes no record set

    RecordSetList& list = fixture.list();
    ASSERT_FALSE(list.slots().empty());
    RecordSet& main = *list.slots().front()->recordSet();
    ASSERT_TRUE(main.setFilter(u"Name = 'nobody'"_qs));
    EXPECT_EQ(fixture.print(xml).message, ReportEngine::kNoRecords);
    ASSERT_TRUE(main.setFilter(QString()));

    const FixedTextMetrics metrics;
    RecordingSurface surface(metrics, RecordingSurface::Mode::Printer);
    int total = -1;
    PrintRequest request;
    EXPECT_EQ(fixture.engine().PrintPages(surface, nullptr, ReportData(list), total, request), ReportEngine::kNoTemplate);
    EXPECT_TRUE(surface.pages().empty());
}

TEST_F(PrintPagesTest, OnePagePerMainRecordWithPageAndRecordNumbers) {
    const QString xml = report({page(1, {.textBoxes = {textBox(0, 0, u"Name"_qs), textBox(0, 400, u"第[页码]页/共[总页数]页"_qs),
                                                        textBox(0, 800, u"=[记录序号]"_qs), textBox(0, 1200, u"=[Age] * 2"_qs)}})});
    const FilledReport filled = fixture.print(xml);
    ASSERT_TRUE(filled.message.isEmpty()) << filled.message.toStdString();
    EXPECT_EQ(filled.totalPages, 3);
    ASSERT_EQ(filled.pages.size(), 3u);
    EXPECT_EQ(textsOf(filled.pages[0]), (QStringList{u"李明"_qs, u"第1页/共3页"_qs, u"1"_qs, u"60"_qs}));
    EXPECT_EQ(textsOf(filled.pages[2]), (QStringList{u"赵伟"_qs, u"第3页/共3页"_qs, u"3"_qs, u"104"_qs}));
}

TEST_F(PrintPagesTest, ANullNumberCountsAsZeroInAnExpression) {
    const QString xml = report({page(1, {.textBoxes = {textBox(0, 0, u"=[Weight] * 2"_qs)}})});
    EXPECT_EQ(textsOf(fixture.print(xml).pages[1]), QStringList{u"0"_qs});
}

TEST_F(PrintPagesTest, AnExpressionThatGivesAnEmptyTextShowsNothing) {
    const QString xml = report({page(1, {.textBoxes = {textBox(0, 0, u"=IIF([Age] > 40, \"老\", \"\")"_qs)}})});
    const FilledReport filled = fixture.print(xml);
    EXPECT_EQ(textsOf(filled.pages[0]), QStringList{});
    EXPECT_EQ(textsOf(filled.pages[1]), QStringList{u"老"_qs});
}

TEST_F(PrintPagesTest, ThePageRangeChoosesPagesAndItsLastEntryEndsTheJob) {
    const QString xml = report({page(1, {.textBoxes = {textBox(0, 0, u"Name"_qs)}})});
    EXPECT_EQ(pageNumbersOf(fixture.print(xml, u"2-3"_qs)), (std::vector<int>{2, 3}));
    // The last entry decides where printing stops: page 3 is never reached.
    EXPECT_EQ(pageNumbersOf(fixture.print(xml, u"3,1"_qs)), (std::vector<int>{1}));
}

TEST_F(PrintPagesTest, APictureShowsTheRequestedPageOrTheLast) {
    const QString xml = report({page(1, {.textBoxes = {textBox(0, 0, u"Name"_qs)}})});
    const FilledReport second = fixture.show(xml, 2);
    ASSERT_EQ(second.pages.size(), 1u);
    EXPECT_EQ(textsOf(second.pages[0]), QStringList{u"王芳"_qs});
    const FilledReport beyond = fixture.show(xml, 9);
    EXPECT_EQ(beyond.requestedPage, 3);
    EXPECT_EQ(textsOf(beyond.pages[0]), QStringList{u"赵伟"_qs});
}

TEST_F(PrintPagesTest, ShowInPageLimitsATextToOnePageAndOthersShowOtherPageText) {
    const QString extra = tag(u"ShowInPage"_qs, u"2"_qs) + tag(u"OtherPageText"_qs, u"见第[页码]页"_qs);
    const QString last = tag(u"ShowInPage"_qs, u"最后一"_qs) + tag(u"OtherPageText"_qs, u"-"_qs);
    const QString xml = report({page(1, {.textBoxes = {textBox(0, 0, u"Name"_qs, extra), textBox(0, 400, u"Age"_qs, last)}})});
    const FilledReport filled = fixture.print(xml);
    EXPECT_EQ(textsOf(filled.pages[0]), (QStringList{u"见第1页"_qs, u"-"_qs}));
    EXPECT_EQ(textsOf(filled.pages[1]), (QStringList{u"王芳"_qs, u"-"_qs}));
    EXPECT_EQ(textsOf(filled.pages[2]), (QStringList{u"见第3页"_qs, u"52"_qs}));
}

TEST_F(PrintPagesTest, FieldsTheDataLacksAndExpressionErrors) {
    const QString xml = report({page(1, {.textBoxes = {textBox(0, 0, u"NoSuchField"_qs), textBox(0, 400, u"=1 +"_qs)}})},
                               tag(u"NoDataRP"_qs, u"无"_qs));
    // Printed, an expression error is blank (nothing is drawn); shown, it stays, in red.
    const FilledReport printed = fixture.print(xml);
    EXPECT_EQ(textsOf(printed.pages[0]), QStringList{u"无"_qs});
    const FilledReport shown = fixture.show(xml, 1);
    const DrawOp* error = findText(shown.pages[0], u"表达式错误"_qs);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->color, 0x0000FF);
}

TEST_F(PrintPagesTest, OverprintLeavesOutLabelsAndKeepsTexts) {
    const ControlLists lists{.labels = {label(0, 0, u"姓名"_qs)}, .textBoxes = {textBox(0, 400, u"Name"_qs)}};
    EXPECT_EQ(textsOf(fixture.print(report({page(1, lists)})).pages[0]), (QStringList{u"姓名"_qs, u"李明"_qs}));
    EXPECT_EQ(textsOf(fixture.print(report({page(1, lists)}, tag(u"TaoDa"_qs, u"True"_qs))).pages[0]), QStringList{u"李明"_qs});
}

TEST_F(PrintPagesTest, PagesAreFoundByNumberAndTheOrderBySortsTheMainRecords) {
    const QString xml = report({page(2, {.textBoxes = {textBox(0, 0, u"Age"_qs)}}), page(1, {.textBoxes = {textBox(0, 0, u"Name"_qs)}})},
                               tag(u"OrderBy"_qs, u"Age DESC"_qs));
    const FilledReport filled = fixture.print(xml);
    ASSERT_EQ(filled.pages.size(), 6u);
    EXPECT_EQ(textsOf(filled.pages[0]), QStringList{u"赵伟"_qs});
    EXPECT_EQ(textsOf(filled.pages[1]), QStringList{u"52"_qs});
}

}  // namespace
}  // namespace ky::test
