#include "report/template/report_data_file.h"
#include "report/template/template_document.h"
#include "report/template/xml_document.h"
#include "report/data/record_set_bundle.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <optional>

namespace ky {
namespace {

// Three pages with one label each; the label's caption names its page.
StreamPtr threePages() {
    QString xml = QStringLiteral("<Report><Pages>");
    for (int n = 1; n <= 3; ++n)
        xml += QStringLiteral(
                   "<Page><PageNo>%1</PageNo><Size/><Controls><Labels><Label><Left>0</Left><Top>0</Top><Width>900</Width>"
                   "<Height>300</Height><FontName>宋体</FontName><FontBold>False</FontBold><FontItalic>False</FontItalic>"
                   "<FontUnderline>False</FontUnderline><AutoCenter>True</AutoCenter><AutoCHSize>False</AutoCHSize>"
                   "<Caption>page %1</Caption></Label></Labels></Controls></Page>")
                   .arg(n);
    xml += QStringLiteral("</Pages><Name>T</Name></Report>");
    return makeStream(xml.toUtf8());
}

class ScriptedView : public TemplateView {
public:
    void showStatus(const QString& text) override { statuses.append(text); }
    void captionChanged(const QString& text) override { caption = text; }
    std::optional<QString> askText(const QString& title, const QString& text) override {
        prompts.append(title + u'|' + text);
        return answer;
    }
    void showMessage(const QString& title, const QString& text) override { messages.append(title + u'|' + text); }
    void xmlSaved(const QString& xml, const StreamPtr& stream, bool& isOk) override {
        savedXml = xml;
        savedStream = stream;
        isOk = accept;
    }

    std::optional<QString> answer;
    bool accept = true;
    QStringList statuses, prompts, messages;
    QString caption, savedXml;
    StreamPtr savedStream;
};

class TemplateCommands : public ::testing::Test {
protected:
    void SetUp() override {
        session.reportName = QStringLiteral("血常规");
        session.appName = QStringLiteral("检验");
        session.allowDesign = true;
        ASSERT_TRUE(document.loadRPX(makeStream(TemplateDocument::defaultDocument())));
    }
    ReportSession session;
    ScriptedView view;
    TemplateDocument document{session, &view};
};

TEST_F(TemplateCommands, SaveRaisesTheEventAndReportsTheOutcome) {
    document.setUnsavedChanges(true);
    ASSERT_TRUE(document.saveTemplate());
    EXPECT_EQ(view.statuses.back(), QStringLiteral("保存完毕"));
    EXPECT_EQ(view.caption, QStringLiteral("血常规 (设计报表)-检验"));
    EXPECT_FALSE(document.hasUnsavedChanges());
    ASSERT_TRUE(view.savedStream);
    EXPECT_EQ(view.savedStream->position(), 0);
    EXPECT_EQ(QString::fromUtf8(view.savedStream->bytes()), view.savedXml);
    EXPECT_TRUE(view.statuses.contains(QStringLiteral("正在保存……")));

    view.accept = false;  // the host vetoes
    EXPECT_FALSE(document.saveTemplate());
    EXPECT_EQ(view.statuses.back(), QStringLiteral("保存失败"));

    session.allowDesign = false;  // nothing happens
    view.statuses.clear();
    EXPECT_FALSE(document.saveTemplate());
    EXPECT_TRUE(view.statuses.isEmpty());
}

TEST_F(TemplateCommands, ImportAsksForAPageAndLoadsItIntoThePageShown) {
    view.answer = QStringLiteral("2");
    document.importTemplate(threePages());
    ASSERT_EQ(view.prompts.size(), 1);
    EXPECT_EQ(view.prompts[0],
              QStringLiteral("检验|您要导入的报表包含3页，请输入要导入的页码，导入所有页请输入-1，注意：如果导入所有页，将清除现有的所有页"));
    EXPECT_EQ(document.pageCount(), 1);  // one page imported into the current one
    ASSERT_EQ(document.page().elements.elements.size(), 1u);

    view.answer = QStringLiteral("7");  // no such page: the current page is cleared
    document.importTemplate(threePages());
    EXPECT_TRUE(document.page().elements.elements.empty());

    for (const std::optional<QString>& nothing : {std::optional<QString>(), std::optional<QString>(QStringLiteral("0")),
                                                  std::optional<QString>(QString())}) {
        view.answer = QStringLiteral("1");
        document.importTemplate(threePages());
        view.answer = nothing;
        document.importTemplate(threePages());
        EXPECT_EQ(document.page().elements.elements.size(), 1u) << "a cancelled or zero answer changes nothing";
    }
    EXPECT_TRUE(view.messages.isEmpty());
}

TEST_F(TemplateCommands, ImportingAllPagesReplacesTheDocument) {
    view.answer = QStringLiteral("-1");
    document.importTemplate(threePages());
    EXPECT_EQ(document.pageCount(), 3);
    EXPECT_EQ(document.currentPageNumber(), 1);
}

TEST_F(TemplateCommands, ABrokenImportShowsTheLoadError) {
    view.answer = QStringLiteral("1");
    document.importTemplate(makeStream("<Report><Pages><Page><PageNo>1</PageNo><Size/><Controls><Labels>"
                                       "<Label><Left>1</Left></Label></Labels></Controls></Page></Pages></Report>"));
    EXPECT_EQ(view.messages, QStringList{QStringLiteral("检验|报表格式包含非法数据，导入或打开失败")});
    document.importTemplate(makeStream("not xml"));
    EXPECT_EQ(view.messages.size(), 2);
}

TEST_F(TemplateCommands, TheReportDataFileCarriesTemplateAndRecordSets) {
    auto records = std::make_shared<RecordSet>();
    ASSERT_TRUE(records->appendField({QStringLiteral("Name"), fieldtype::VarWChar, 50, true}));
    records->open();
    RecordSetLinks links;
    links.key = QStringLiteral("main");
    ASSERT_TRUE(session.recordSets.addRecordset(records, links));

    const auto file = document.GetRPDFile();
    ASSERT_TRUE(file) << file.error().toStdString();
    EXPECT_EQ(file.value()->position(), 0);
    const auto parts = UnpackReportData(file.value());
    ASSERT_TRUE(parts && parts->format && parts->data);
    pugi::xml_document format;
    ASSERT_TRUE(loadXmlBytes(format, parts->format->bytes()));
    EXPECT_STREQ(format.child("Report").child_value("Name"), "血常规");
    RecordSetList restored;
    ASSERT_TRUE(loadRecordSets(restored, parts->data));
    ASSERT_EQ(restored.size(), 1);
    EXPECT_EQ(restored.slots()[0]->key(), QStringLiteral("main"));
}

}  // namespace
}  // namespace ky
