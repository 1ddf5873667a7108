#include "report/template/elements/child_report_model.h"
#include "report/template/template_document.h"
#include "report/template/xml_document.h"

#include <QStringList>

#include "template/xml_test_support.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

QByteArray utf8(const char16_t* text) { return QString::fromUtf16(text).toUtf8(); }

StreamPtr streamOf(const char16_t* xml) { return makeStream(utf8(xml)); }

ReportSession named(const char16_t* reportName) {
    ReportSession session;
    session.reportName = QString::fromUtf16(reportName);
    return session;
}

using test::childNames;

std::vector<int> pageNumbers(TemplateDocument& document) {
    std::vector<int> numbers;
    for (pugi::xml_node page : document.document().child("Report").child("Pages").children("Page"))
        numbers.push_back(page.child("PageNo").text().as_int());
    return numbers;
}

class RecordingView : public TemplateView {
public:
    void showStatus(const QString& text) override { texts.append(text); }
    void reportNameRead(const QString& name) override { names.append(name); }
    QStringList texts;
    QStringList names;
};

const char16_t* const kThreePages =
    u"<Report><Pages>"
    u"<Page><PageNo>2</PageNo><Size><PageWidth>21</PageWidth></Size><Controls/></Page>"
    u"<Page><PageNo>5</PageNo><Size/><Controls/></Page>"
    u"<Page><PageNo>9</PageNo><Size/><Controls/></Page>"
    u"</Pages><Name>血常规</Name></Report>";

TEST(TemplateDocument, AnUnparsableTemplateGivesTheDefaultDocument) {
    ReportSession session;
    TemplateDocument document(session);
    ASSERT_TRUE(document.loadRPX(makeStream("not xml")));
    EXPECT_EQ(document.pageCount(), 1);
    EXPECT_EQ(document.page().setup.PageWidth, 21);
    EXPECT_FLOAT_EQ(static_cast<float>(document.page().setup.PageHeight), 29.7f);
    EXPECT_FLOAT_EQ(static_cast<float>(document.page().bgLeft), -0.4f);
    EXPECT_FALSE(document.page().report.NeedCFG);
    EXPECT_EQ(document.page().report.DefFontSize, 10);
    EXPECT_EQ(document.page().report.NoDataRP, QString());  // present and empty in the default document
}

TEST(TemplateDocument, TheDefaultDocumentHasTheDocumentedShape) {
    pugi::xml_document document;
    ASSERT_TRUE(loadXmlBytes(document, TemplateDocument::defaultDocument()));
    const pugi::xml_node report = document.child("Report");
    EXPECT_EQ(childNames(report), (QStringList{QStringLiteral("Pages"), QStringLiteral("Name"), QStringLiteral("XianKuan"),
                                              QStringLiteral("NeedCFG"), QStringLiteral("NoDataRP"), QStringLiteral("TaoDa"),
                                              QStringLiteral("DefFontSize")}));
    const pugi::xml_node page = report.child("Pages").child("Page");
    EXPECT_EQ(childNames(page), (QStringList{QStringLiteral("PageNo"), QStringLiteral("Background"), QStringLiteral("bgLeft"),
                                            QStringLiteral("bgTop"), QStringLiteral("Size"), QStringLiteral("Controls")}));
    EXPECT_STREQ(page.child("Background").attribute("dt:dt").value(), "bin.base64");
    EXPECT_EQ(childNames(page.child("Controls")),
              (QStringList{QStringLiteral("Labels"), QStringLiteral("TextBoxs"), QStringLiteral("Lines"), QStringLiteral("Images"),
                           QStringLiteral("Boxs"), QStringLiteral("Checks"), QStringLiteral("ChildReports")}));
    EXPECT_STREQ(page.child("Size").child_value("PageHeight"), "29.7");
    EXPECT_STREQ(page.child_value("bgLeft"), "-0.4");
}

TEST(TemplateDocument, PagesAreFoundByNumberAndTheHostsReportNameWins) {
    RecordingView view;
    ReportSession session;
    TemplateDocument fromTemplate(session, &view);
    ASSERT_TRUE(fromTemplate.loadRPX(streamOf(kThreePages)));
    EXPECT_EQ(fromTemplate.pageCount(), 3);
    // There is no page 1: the blank page shown first reads no report fields.
    EXPECT_EQ(fromTemplate.reportName(), QString());
    ASSERT_TRUE(fromTemplate.showPage(5));
    EXPECT_EQ(fromTemplate.reportName(), QStringLiteral("血常规"));
    EXPECT_EQ(view.names, QStringList{QStringLiteral("血常规")});
    EXPECT_EQ(fromTemplate.currentPageNumber(), 5);
    EXPECT_EQ(view.texts.back(), QStringLiteral("设计报表,当前第【5】页,共有【3】页。"));

    ReportSession namedSession;
    namedSession.reportName = QStringLiteral("尿常规");
    TemplateDocument named(namedSession);
    ASSERT_TRUE(named.loadRPX(streamOf(kThreePages)));
    EXPECT_EQ(named.reportName(), QStringLiteral("尿常规"));
}

TEST(TemplateDocument, ShowingAPageReportsProgressInOrder) {
    RecordingView view;
    ReportSession session = named(u"R");
    TemplateDocument document(session, &view);
    ASSERT_TRUE(document.loadRPX(streamOf(kThreePages)));
    view.texts.clear();
    ASSERT_TRUE(document.showPage(2));
    const QStringList expected = {
        QStringLiteral("删除当前设置...."),     QStringLiteral("删除当前设置....完成!"), QStringLiteral("读取报表配置...."),
        QStringLiteral("加载模板...."),         QStringLiteral("加载标签...."),         QStringLiteral("加载标签....完成!"),
        QStringLiteral("加载复选框...."),       QStringLiteral("加载复选框....完成!"),   QStringLiteral("加载文本框...."),
        QStringLiteral("加载文本框....完成!"),   QStringLiteral("加载其它内容...."),     QStringLiteral("加载其它内容....完成!"),
        QStringLiteral("加载列表...."),         QStringLiteral("加载列表....完成!"),     QStringLiteral("加载模板....完成"),
        QStringLiteral("加载报表表完成"),       QStringLiteral("设计报表,当前第【2】页,共有【3】页。"),
    };
    EXPECT_EQ(view.texts, expected);
}

TEST(TemplateDocument, TheSinglePageFormBecomesPageOne) {
    ReportSession session = named(u"R");
    TemplateDocument document(session);
    ASSERT_TRUE(document.loadRPX(streamOf(
        u"<Report><Size><PageWidth>18.5</PageWidth></Size><Controls>"
        u"<ChildReport><Left>0</Left><Top>0</Top><Width>500</Width><Height>500</Height>"
        u"<ChildMain><Width>500</Width><Height>100</Height><Controls/></ChildMain></ChildReport>"
        u"</Controls></Report>")));
    EXPECT_EQ(document.pageCount(), 1);
    EXPECT_FLOAT_EQ(static_cast<float>(document.page().setup.PageWidth), 18.5f);
    ASSERT_EQ(document.page().elements.elements.size(), 1u);  // the single child report, moved into ChildReports

    pugi::xml_document saved;
    ASSERT_TRUE(loadXmlBytes(saved, document.save()));
    const pugi::xml_node report = saved.child("Report");
    EXPECT_FALSE(report.child("Size"));
    EXPECT_FALSE(report.child("Controls"));
    EXPECT_EQ(report.child("Pages").child("Page").child("PageNo").text().as_int(), 1);
    EXPECT_STREQ(report.child("Pages").child("Page").child("Size").child_value("PageWidth"), "18.5");
}

// Copies of the single-page records beside the first go too: one left
// behind would become the page on the next load.
TEST(TemplateDocument, TheSinglePageFormLeavesNoCopyBehind) {
    ReportSession session = named(u"R");
    TemplateDocument document(session);
    ASSERT_TRUE(document.loadRPX(
        streamOf(u"<Report><Size><PageWidth>18.5</PageWidth></Size>x<Size/><Controls/><Controls/></Report>")));
    const QByteArray first = document.save();
    pugi::xml_document saved;
    ASSERT_TRUE(loadXmlBytes(saved, first));
    EXPECT_FALSE(saved.child("Report").child("Size"));
    EXPECT_FALSE(saved.child("Report").child("Controls"));
    TemplateDocument again(session);
    ASSERT_TRUE(again.loadRPX(makeStream(first)));
    EXPECT_EQ(again.save(), first);
}

TEST(TemplateDocument, WritingBackAppliesTheWritingRules) {
    ReportSession session = named(u"R");
    TemplateDocument document(session);
    ASSERT_TRUE(document.loadRPX(streamOf(u"<Report><Pages><Page><PageNo>1</PageNo><Size><PageSize>0</PageSize></Size>"
                                          u"</Page></Pages><XianKuan>0</XianKuan></Report>")));
    pugi::xml_document saved;
    ASSERT_TRUE(loadXmlBytes(saved, document.save()));
    EXPECT_STREQ(saved.child("Report").child_value("XianKuan"), "1");  // below 1 is written as 1
    EXPECT_STREQ(saved.child("Report").child("Pages").child("Page").child("Size").child_value("PageSize"), "9");
}

TEST(TemplateDocument, RenumberingClosesGapsAndMovingShiftsTheOthers) {
    ReportSession session = named(u"R");
    TemplateDocument document(session);
    ASSERT_TRUE(document.loadRPX(streamOf(kThreePages)));
    document.renumberPages();
    EXPECT_EQ(pageNumbers(document), (std::vector<int>{1, 2, 3}));

    document.movePage(1, +2);  // page 1 goes to 3; 2 and 3 move up
    EXPECT_EQ(pageNumbers(document), (std::vector<int>{3, 1, 2}));
    document.movePage(3, -2);  // and back
    EXPECT_EQ(pageNumbers(document), (std::vector<int>{1, 2, 3}));
    document.movePage(1, -1);  // before the first page: nothing
    document.movePage(3, +1);
    EXPECT_EQ(pageNumbers(document), (std::vector<int>{1, 2, 3}));
}

// Builds a page with a child report holding another child report.
StreamPtr nestedChildReports(const char16_t* innerWidth) {
    const QString xml = QStringLiteral(
        "<Report><Pages><Page><PageNo>1</PageNo><Size/><Controls><ChildReports>"
        "<ChildReport><ChildReportIndex>3</ChildReportIndex><Left>100</Left><Top>200</Top><Width>5000</Width><Height>3000</Height>"
        "<ChildTaoDa>True</ChildTaoDa>"
        "<ChildMain><Width>5000</Width><Height>300</Height><Controls><ChildReports>"
        "<ChildReport><ChildReportIndex>7</ChildReportIndex><Width>%1</Width><Height>100</Height>"
        "<ChildMain><Width>100</Width><Height>50</Height><Controls/></ChildMain></ChildReport>"
        "</ChildReports></Controls></ChildMain></ChildReport>"
        "</ChildReports></Controls></Page></Pages></Report>").arg(QString::fromUtf16(innerWidth));
    return makeStream(xml.toUtf8());
}

TEST(TemplateDocument, ChildReportsNestAndAreRenumberedDepthFirst) {
    ReportSession session = named(u"R");
    TemplateDocument document(session);
    ASSERT_TRUE(document.loadRPX(nestedChildReports(u"400")));
    ASSERT_EQ(document.page().elements.elements.size(), 1u);
    const auto& outer = static_cast<const ChildReportModel&>(*document.page().elements.elements[0]);
    EXPECT_EQ(outer.index, 1);  // stored indexes 3 and 7 are not used
    EXPECT_TRUE(outer.ChildTaoDa);
    EXPECT_EQ(outer.CRSIndex, QStringLiteral("0"));
    EXPECT_EQ(outer.listName(), QStringLiteral("列表1"));
    ASSERT_EQ(outer.main.elements.size(), 1u);
    EXPECT_EQ(static_cast<const ChildReportModel&>(*outer.main.elements[0]).index, 2);

    pugi::xml_document saved;
    ASSERT_TRUE(loadXmlBytes(saved, document.save()));
    const pugi::xml_node page = saved.child("Report").child("Pages").child("Page");
    const pugi::xml_node first = page.child("Controls").child("ChildReports").child("ChildReport");
    EXPECT_STREQ(first.child_value("ParentListName"), "Pic_Page");
    EXPECT_STREQ(first.child_value("ListName"), "C1");
    const pugi::xml_node second = first.child("ChildMain").child("Controls").child("ChildReports").child("ChildReport");
    EXPECT_STREQ(second.child_value("ParentListName"), "C1");
    EXPECT_STREQ(second.child_value("ChildReportIndex"), "2");
    EXPECT_EQ(childNames(first), (QStringList{QStringLiteral("ChildReportIndex"), QStringLiteral("Left"), QStringLiteral("Top"),
                                             QStringLiteral("Width"), QStringLiteral("Height"), QStringLiteral("LieYinFangXiang"),
                                             QStringLiteral("ParentLinkField"), QStringLiteral("ChildLinkField"),
                                             QStringLiteral("ParentRecordSetIndex"), QStringLiteral("ChildRecordSetIndex"),
                                             QStringLiteral("ChildRecordSetFilter"), QStringLiteral("ChildTaoDa"),
                                             QStringLiteral("EOFEnd"), QStringLiteral("IsFlowText"), QStringLiteral("OrderBy"),
                                             QStringLiteral("ListName"), QStringLiteral("ParentListName"),
                                             QStringLiteral("ChildMain")}));
}

TEST(TemplateDocument, AChildReportOfZeroWidthIsDroppedWithItsContent) {
    ReportSession session = named(u"R");
    TemplateDocument document(session);
    ASSERT_TRUE(document.loadRPX(nestedChildReports(u"0")));
    const auto& outer = static_cast<const ChildReportModel&>(*document.page().elements.elements[0]);
    EXPECT_TRUE(outer.main.elements.empty());
}

TEST(TemplateDocument, DeletedElementsAndTheirContentAreNotWritten) {
    ReportSession session = named(u"R");
    TemplateDocument document(session);
    ASSERT_TRUE(document.loadRPX(nestedChildReports(u"400")));
    auto& outer = static_cast<ChildReportModel&>(*document.page().elements.elements[0]);
    outer.main.elements[0]->deleted = true;
    pugi::xml_document saved;
    ASSERT_TRUE(loadXmlBytes(saved, document.save()));
    const pugi::xml_node first =
        saved.child("Report").child("Pages").child("Page").child("Controls").child("ChildReports").child("ChildReport");
    EXPECT_FALSE(first.child("ChildMain").child("Controls").child("ChildReports").child("ChildReport"));

    outer.deleted = true;
    ASSERT_TRUE(loadXmlBytes(saved, document.save()));
    EXPECT_FALSE(saved.child("Report").child("Pages").child("Page").child("Controls").child("ChildReports").child("ChildReport"));
}

TEST(TemplateDocument, NestingBeyondTheLimitIsALoadErrorNotACrash) {
    QString xml = QStringLiteral("<Report><Pages><Page><PageNo>1</PageNo><Size/><Controls>");
    const int depth = kMaxChildReportDepth + 5;
    for (int i = 0; i < depth; ++i)
        xml += QStringLiteral("<ChildReports><ChildReport><Width>10</Width><ChildMain><Controls>");
    for (int i = 0; i < depth; ++i) xml += QStringLiteral("</Controls></ChildMain></ChildReport></ChildReports>");
    xml += QStringLiteral("</Controls></Page></Pages></Report>");
    ReportSession session = named(u"R");
    TemplateDocument document(session);
    const Status loaded = document.loadRPX(makeStream(xml.toUtf8()));
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.error(), QStringLiteral("报表格式包含非法数据，导入或打开失败"));
}

}  // namespace
}  // namespace ky
