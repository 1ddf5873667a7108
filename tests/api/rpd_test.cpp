#include "report/api/rpd.h"

#include "report/template/xml_document.h"
#include "platform/com_error.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

RecordSetPtr recordSet(std::initializer_list<std::pair<const char16_t*, int>> fields) {
    auto rs = std::make_shared<RecordSet>();
    for (const auto& [name, type] : fields) EXPECT_TRUE(rs->appendField({QString::fromUtf16(name), type, 255, true}));
    rs->open();
    return rs;
}

class RpdTest : public ::testing::Test {
protected:
    std::shared_ptr<ReportSession> session = std::make_shared<ReportSession>();
    std::shared_ptr<FixedPrinterService> printers =
        std::make_shared<FixedPrinterService>(QStringList{QStringLiteral("Local A"), QStringLiteral("Local B")});
    std::unique_ptr<RPD> makeRpd() { return std::make_unique<RPD>(session, printers, QStringLiteral("/opt/ky")); }
};

TEST_F(RpdTest, CreationResetsTheSharedSession) {
    session->formatChanged = true;
    session->tempPath = QStringLiteral("/elsewhere");
    session->appPath = QStringLiteral("/host/app");
    ASSERT_TRUE(session->recordSets.addRecordset(recordSet({{u"A", fieldtype::VarWChar}}), {}));  // fills the empty slot
    ASSERT_TRUE(session->recordSets.addRecordset(recordSet({{u"B", fieldtype::VarWChar}}), {}));
    ASSERT_EQ(session->recordSets.size(), 2);

    auto rpd = makeRpd();
    EXPECT_FALSE(session->formatChanged);
    EXPECT_EQ(session->tempPath, QStringLiteral("/opt/ky"));     // reset by every new object
    EXPECT_EQ(session->appPath, QStringLiteral("/host/app"));    // kept when already set
    ASSERT_EQ(session->recordSets.size(), 1);
    EXPECT_EQ(session->recordSets.slots()[0], nullptr);

    session->appPath = QStringLiteral("  ");
    auto second = makeRpd();
    EXPECT_EQ(session->appPath, QStringLiteral("/opt/ky"));     // a blank path takes the component's folder
}

TEST_F(RpdTest, DestructionReleasesEveryRecordSetButKeepsTheSlots) {
    auto rpd = makeRpd();
    rpd->AddRecordset(recordSet({{u"A", fieldtype::VarWChar}}), QStringLiteral("main"), {}, {}, {}, {}, {});
    rpd->AddRecordset(recordSet({{u"B", fieldtype::VarWChar}}), QStringLiteral("other"), {}, {}, {}, {}, {});
    rpd.reset();
    ASSERT_EQ(session->recordSets.size(), 2);
    for (const auto& slot : session->recordSets.slots()) EXPECT_EQ(slot, nullptr);
}

TEST_F(RpdTest, PropertiesReachTheSessionAndThePrinter) {
    auto rpd = makeRpd();
    rpd->setReportName(QStringLiteral("血常规"));
    rpd->setAppName(QStringLiteral("检验"));
    rpd->setAllowDesign(true);
    rpd->setAllowPrintToServer(true);
    rpd->setServerPrinterNames(QStringLiteral("服务器上的_P1;服务器上的_P2"));
    rpd->setAppPath(QStringLiteral("/app"));
    rpd->setTempPath(QStringLiteral("/tmp/ky"));
    rpd->setKeyName(QStringLiteral("  PatientID \t "));
    rpd->setOutPutFileName(QStringLiteral("/out/report.emf"));
    rpd->setAllowSubmitRPT(true);
    rpd->setCopies(0);
    rpd->setPBString(QStringLiteral("unused"));

    EXPECT_EQ(session->reportName, QStringLiteral("血常规"));
    EXPECT_EQ(rpd->ReportName(), QStringLiteral("血常规"));
    EXPECT_EQ(session->appName, QStringLiteral("检验"));
    EXPECT_TRUE(session->allowDesign);
    EXPECT_TRUE(rpd->AllowPrintToServer());
    EXPECT_EQ(session->serverPrinterNames, QStringLiteral("服务器上的_P1;服务器上的_P2"));  // stored unchanged
    EXPECT_EQ(session->appPath, QStringLiteral("/app"));
    EXPECT_EQ(session->tempPath, QStringLiteral("/tmp/ky"));
    EXPECT_EQ(rpd->KeyName(), QStringLiteral("PatientID \t"));  // only blanks are trimmed
    EXPECT_EQ(rpd->OutPutFileName(), QStringLiteral("/out/report.emf"));
    EXPECT_TRUE(rpd->AllowSubmitRPT());
    EXPECT_EQ(rpd->copies(), 0);  // 0 becomes 1 only when printing

    rpd->setDeviceName(QStringLiteral("Local B"));
    rpd->setColorMode(2);
    rpd->setPrintQuality(-4);
    EXPECT_EQ(printers->currentDeviceName(), QStringLiteral("Local B"));
    EXPECT_EQ(printers->settings().colorMode, 2);
    EXPECT_EQ(printers->settings().printQuality, -4);

    rpd->setDeviceName(QStringLiteral("No Such Printer"));  // silently ignored
    EXPECT_EQ(printers->currentDeviceName(), QStringLiteral("Local B"));
}

TEST_F(RpdTest, PrinterValuesBeyondSixteenBitsAreRefused) {
    auto rpd = makeRpd();
    EXPECT_THROW(rpd->setColorMode(70000), ComError);
    EXPECT_THROW(rpd->setPrintQuality(-40000), ComError);
    EXPECT_EQ(printers->settings(), PrinterSettings{});
}

TEST_F(RpdTest, EntityRewritingBeforeParsing) {
    struct Case {
        const char16_t* name;
        const char16_t* input;
        const char16_t* rewritten;
    };
    const Case cases[] = {
        // Named entities other than &amp; are decoded first...
        {u"lt gt", u"&lt;a&gt;", u"<a>"},
        {u"quotes", u"&quot;&apos;", u"\"'"},
        // ...then every ampersand is escaped, an existing &amp; included.
        {u"bare ampersand", u"A & B", u"A &amp; B"},
        {u"amp entity escaped again", u"&amp;", u"&amp;amp;"},
        {u"case-sensitive", u"&GT;", u"&amp;GT;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rewriteXmlEntities(QString::fromUtf16(c.input)), QString::fromUtf16(c.rewritten))
            << QString::fromUtf16(c.name).toStdString();
}

TEST_F(RpdTest, SetXmlFormatMakesABareAmpersandParseAndDoublesAnEscapedOne) {
    auto rpd = makeRpd();
    ASSERT_TRUE(rpd->SetXmlFormat(QStringLiteral("<Report><Name>A & B &amp; C</Name></Report>")));
    ASSERT_TRUE(rpd->templateStream());
    EXPECT_EQ(rpd->templateStream()->position(), 0);

    pugi::xml_document reread;
    ASSERT_TRUE(loadXmlBytes(reread, rpd->templateStream()->bytes()));
    // The input's "&amp;" reads back as the five-character entity text.
    EXPECT_EQ(QString::fromUtf8(reread.child("Report").child("Name").text().get()), QStringLiteral("A & B &amp; C"));
    EXPECT_STREQ(rpd->templateDom()->child("Report").child("Name").text().get(), "A & B &amp; C");
}

TEST_F(RpdTest, SetXmlFormatThatFailsKeepsTheTemplateStream) {
    auto rpd = makeRpd();
    ASSERT_TRUE(rpd->SetXmlFormat(QStringLiteral("<Report/>")));
    const StreamPtr before = rpd->templateStream();
    EXPECT_FALSE(rpd->SetXmlFormat(QStringLiteral("<Report><Unclosed></Report>")));
    EXPECT_EQ(rpd->templateStream(), before);
    rpd->setFormatXMLString(QStringLiteral("not xml at all"));  // the same, result discarded
    EXPECT_EQ(rpd->templateStream(), before);
}

TEST_F(RpdTest, FormatXmlStreamIsKeptRewoundAndParsed) {
    auto rpd = makeRpd();
    auto stream = makeStream("<Report><Name>X</Name></Report>");
    stream->setPosition(10);
    rpd->setFormatXMLStream(stream);
    EXPECT_EQ(rpd->templateStream(), stream);  // the caller's own stream, referenced
    EXPECT_EQ(stream->position(), 0);
    ASSERT_NE(rpd->templateDom(), nullptr);
    EXPECT_STREQ(rpd->templateDom()->child("Report").child("Name").text().get(), "X");

    rpd->setFormatXMLStream(makeStream("garbage"));
    ASSERT_NE(rpd->templateDom(), nullptr);
    EXPECT_FALSE(rpd->templateDom()->document_element());  // an empty document, as a failed load leaves it

    rpd->setFormatXMLStream(nullptr);
    EXPECT_EQ(rpd->templateStream(), nullptr);
    EXPECT_EQ(rpd->templateDom(), nullptr);
}

TEST_F(RpdTest, RecordSetsAndMainFieldLists) {
    auto rpd = makeRpd();
    rpd->AddRecordset(recordSet({{u"ID", fieldtype::Double}, {u"Name", fieldtype::VarWChar}}), QStringLiteral("main"), {},
                      QStringLiteral("病人"), {}, {}, {});
    rpd->AddRecordset(recordSet({{u"id", fieldtype::Double}, {u"Paid", fieldtype::Boolean}}), QStringLiteral("friend"),
                      QStringLiteral("  "), {}, QStringLiteral("ID"), {}, {});
    rpd->AddRecordset(recordSet({{u"Test", fieldtype::VarWChar}}), QStringLiteral("child"), QStringLiteral("main"), {}, {},
                      QStringLiteral("ID"), QStringLiteral("ID"));
    rpd->Ready();
    // Both main record sets have an ID field; it is listed once. The child's fields are not listed.
    EXPECT_EQ(session->mainFieldLists.all, QStringLiteral(";ID;Name;Paid;"));
    EXPECT_EQ(session->mainFieldLists.textNum, QStringLiteral(";ID;Name;"));
    EXPECT_EQ(session->mainFieldLists.boolean, QStringLiteral(";;Paid;"));
    EXPECT_EQ(session->mainFieldLists.binary, QStringLiteral(";;"));
}

TEST_F(RpdTest, FailuresAreComErrorsAndTheFailedSlotIsReused) {
    auto rpd = makeRpd();
    EXPECT_THROW(rpd->Ready(), ComError);  // nothing added: the first slot is empty
    EXPECT_THROW(rpd->AddRecordset(nullptr, QStringLiteral("none"), {}, {}, {}, {}, {}), ComError);
    EXPECT_THROW(rpd->AddRecordset(recordSet({{u"Name", fieldtype::VarWChar}, {u"NAME", fieldtype::VarWChar}}),
                                   QStringLiteral("clash"), {}, {}, {}, {}, {}),
                 ComError);
    EXPECT_EQ(session->recordSets.size(), 1);  // still the one empty slot
    rpd->AddRecordset(recordSet({{u"A", fieldtype::VarWChar}}), QStringLiteral("main"), {}, {}, {}, {}, {});
    EXPECT_EQ(session->recordSets.size(), 1);
    rpd->Ready();
    EXPECT_EQ(session->mainFieldLists.all, QStringLiteral(";A;"));
}

TEST_F(RpdTest, AddRPDDataCopiesThePreparedWrapper) {
    auto rpd = makeRpd();
    auto prepared = std::make_shared<RPD_RecordSet>();
    prepared->setKey(QStringLiteral("results"));
    prepared->setParentRecordsetKey(QStringLiteral("main"));
    prepared->setLinkParentKey(QStringLiteral("PID"));
    prepared->setLinkChildKey(QStringLiteral("PatientID"));
    prepared->setLinkFriendKey(QStringLiteral("F"));
    prepared->setDescription(QStringLiteral("结果"));
    prepared->setRecordSet(recordSet({{u"PatientID", fieldtype::Double}}));
    std::shared_ptr<IRPD_RecordSet> handed = prepared;
    rpd->AddRPDData(handed);

    const auto& stored = session->recordSets.slots().back();
    ASSERT_TRUE(stored);
    EXPECT_NE(stored.get(), prepared.get());
    EXPECT_EQ(stored->recordSet(), prepared->recordSet());
    EXPECT_EQ(stored->key(), QStringLiteral("results"));
    EXPECT_EQ(stored->ParentRecordsetKey(), QStringLiteral("main"));
    EXPECT_EQ(stored->LinkParentKey(), QStringLiteral("PID"));
    EXPECT_EQ(stored->LinkChildKey(), QStringLiteral("PatientID"));
    EXPECT_EQ(stored->LinkFriendKey(), QStringLiteral("F"));
    EXPECT_EQ(stored->Description(), QStringLiteral("结果"));
    EXPECT_TRUE(stored->HasField(QStringLiteral("PATIENTID")));

    std::shared_ptr<IRPD_RecordSet> nothing;
    rpd->AddRPDData(nothing);  // does nothing
    auto withoutData = std::static_pointer_cast<IRPD_RecordSet>(std::make_shared<RPD_RecordSet>());
    rpd->AddRPDData(withoutData);
    EXPECT_EQ(session->recordSets.size(), 1);
}

TEST_F(RpdTest, CloseWithoutAWindowSucceeds) { EXPECT_TRUE(makeRpd()->CloseRPT()); }

class RecordingSink : public IRPDEvents {
public:
    void Quit() override { ++quits; }
    int quits = 0;
};

TEST_F(RpdTest, SinksCanBeAdvisedAndUnadvised) {
    auto rpd = makeRpd();
    auto sink = std::make_shared<RecordingSink>();
    rpd->advise(sink);
    rpd->advise(nullptr);  // ignored
    rpd->unadvise(sink);
    rpd->unadvise(sink);  // twice is harmless
    SUCCEED();
}

}  // namespace
}  // namespace ky

namespace ky {
namespace {

TEST_F(RpdTest, SubmittedReportDataFilesOpenAgainWithTheirRecordSetsAndTemplate) {
    auto rpd = makeRpd();
    auto records = recordSet({{u"Name", fieldtype::VarWChar}});
    ASSERT_TRUE(records->addNew());
    ASSERT_TRUE(records->setValue(0, QStringLiteral("李明")));
    rpd->AddRecordset(records, QStringLiteral("main"), {}, QStringLiteral("病人"), {}, {}, {});
    ASSERT_TRUE(rpd->SetXmlFormat(QStringLiteral("<Report><Name>血常规</Name></Report>")));
    const StreamPtr file = rpd->SubmitRPD();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->position(), 0);

    auto other = makeRpd();  // a new object starts with one empty slot and no template
    other->ViewRPD(file);
    ASSERT_EQ(session->recordSets.size(), 1);
    const auto& wrapper = session->recordSets.slots()[0];
    ASSERT_TRUE(wrapper && wrapper->recordSet());
    EXPECT_EQ(wrapper->key(), QStringLiteral("main"));
    EXPECT_EQ(wrapper->Description(), QStringLiteral("病人"));
    EXPECT_TRUE(wrapper->HasField(QStringLiteral("name")));
    EXPECT_EQ(wrapper->recordSet()->value(u"Name").value(), Value(QStringLiteral("李明")));
    ASSERT_NE(other->templateDom(), nullptr);
    EXPECT_STREQ(other->templateDom()->child("Report").child_value("Name"), "血常规");
}

TEST_F(RpdTest, ReportDataFileMethodsIgnoreNothingAndRefuseBrokenFiles) {
    auto rpd = makeRpd();
    rpd->DesignRPD(nullptr);
    rpd->PrintRPD(nullptr);
    EXPECT_EQ(rpd->templateStream(), nullptr);
    EXPECT_THROW(rpd->OutPutRPD(makeStream("not a report data file")), ComError);
}

}  // namespace
}  // namespace ky

namespace ky {
namespace {

TEST_F(RpdTest, SetJsonDataAddsTheRecordSetsAndBuildsTheFieldLists) {
    auto rpd = makeRpd();
    const QString message = rpd->SetJsonData(
        QStringLiteral("[{K:'main',D:'病人',R:[{Name:'李明',Paid:true,Items:[{T:'Hb'}]}]}]"));
    EXPECT_EQ(message, QString());
    ASSERT_EQ(session->recordSets.size(), 2);
    EXPECT_EQ(session->recordSets.slots()[0]->key(), QStringLiteral("main"));
    EXPECT_EQ(session->recordSets.slots()[1]->key(), QStringLiteral("main_Items"));
    EXPECT_EQ(session->mainFieldLists.all, QStringLiteral(";RowID;ParentRowID;Name;Paid;"));
    EXPECT_EQ(session->mainFieldLists.boolean, QStringLiteral(";Paid;"));
}

TEST_F(RpdTest, SetJsonDataReturnsTheMessageInsteadOfFailingOnTheEmptySlot) {
    auto rpd = makeRpd();
    EXPECT_EQ(rpd->SetJsonData(QString()), QStringLiteral("空字符，无法解析"));
    EXPECT_EQ(rpd->SetJsonData(QStringLiteral("'x'")), QStringLiteral("Invalid JSON"));
    EXPECT_EQ(rpd->SetJsonData(QStringLiteral("{}")),
              QStringLiteral("给定的JSON字符不符合预期格式（必须为数组形式，且由七项组成，并大小写敏感）"));
    // Success with nothing added: Ready fails on the empty slot.
    EXPECT_THROW(rpd->SetJsonData(QStringLiteral("[]")), ComError);
    // A value its column cannot take fails the call and adds nothing.
    EXPECT_THROW(rpd->SetJsonData(QStringLiteral("[{K:'m',R:[{b:true},{b:1}]}]")), ComError);
    EXPECT_EQ(session->recordSets.slots()[0], nullptr);
}

}  // namespace
}  // namespace ky
