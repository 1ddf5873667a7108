#include "report/template/dom_helpers.h"
#include "report/template/report_data_file.h"
#include "report/template/xml_document.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

QString xmlOf(const pugi::xml_document& document) { return saveXmlText(document); }

TEST(DomHelpers, TextElementsAndChildTexts) {
    pugi::xml_document document;
    pugi::xml_node report = document.append_child("Report");
    AppendTextElement(report, QStringLiteral("Name"), QStringLiteral("血常规 <A&B>"));
    AppendTextElement(report, QStringLiteral("NoDataRP"), QString());
    SetChildText(report, QStringLiteral("Name"), QStringLiteral("尿常规"));   // replaced in place
    SetChildText(report, QStringLiteral("TaoDa"), QStringLiteral("False"));  // appended when missing

    EXPECT_TRUE(xmlOf(document).endsWith(QStringLiteral("<Report><Name>尿常规</Name><NoDataRP/><TaoDa>False</TaoDa></Report>")))
        << xmlOf(document).toStdString();
    EXPECT_EQ(GetChildText(report, QStringLiteral("Name"), QStringLiteral("x")), QStringLiteral("尿常规"));
    EXPECT_EQ(GetChildText(report, QStringLiteral("NoDataRP"), QStringLiteral("/")), QString());  // present but empty
    EXPECT_EQ(GetChildText(report, QStringLiteral("OrderBy"), QStringLiteral("default")), QStringLiteral("default"));
}

TEST(DomHelpers, BinaryElementsCarryTheDataTypeAndRoundTrip) {
    pugi::xml_document document;
    pugi::xml_node page = document.append_child("Page");
    auto picture = makeStream(QByteArray("BM\x00\x01\xFF", 5));
    picture->setPosition(3);  // the writer rewinds
    const pugi::xml_node element = AppendBinaryElement(page, QStringLiteral("Background"), picture);
    AppendBinaryElement(page, QStringLiteral("Empty"), nullptr);

    EXPECT_STREQ(element.attribute("xmlns:dt").value(), "urn:schemas-microsoft-com:datatypes");
    EXPECT_STREQ(element.attribute("dt:dt").value(), "bin.base64");
    EXPECT_STREQ(element.child_value(), "Qk0AAf8=");

    auto back = GetChildStream(page, QStringLiteral("Background"));
    ASSERT_TRUE(back && back.value());
    EXPECT_EQ(back.value()->bytes(), picture->bytes());
    EXPECT_EQ(back.value()->position(), back.value()->size());  // consumers rewind

    for (const char16_t* nothing : {u"Empty", u"Missing"}) {
        auto none = GetChildStream(page, QString::fromUtf16(nothing));
        ASSERT_TRUE(none);
        EXPECT_EQ(none.value(), nullptr);
    }
    AppendTextElement(page, QStringLiteral("Broken"), QStringLiteral("not*base64"));
    EXPECT_FALSE(GetChildStream(page, QStringLiteral("Broken")));
}

TEST(ReportDataFile, PacksAndUnpacksBothParts) {
    const auto format = makeStream("<Report><Pages/></Report>");
    const auto bundle = makeStream(QByteArray("KYRS\x01\x00", 6));
    const StreamPtr file = PackReportData(format, bundle);
    EXPECT_EQ(file->position(), 0);
    EXPECT_TRUE(file->bytes().contains("<DataReport><Format xmlns:dt=\"urn:schemas-microsoft-com:datatypes\" dt:dt=\"bin.base64\">"));

    const auto parts = UnpackReportData(file);
    ASSERT_TRUE(parts) << parts.error().toStdString();
    ASSERT_TRUE(parts->format && parts->data);
    EXPECT_EQ(parts->format->bytes(), format->bytes());
    EXPECT_EQ(parts->data->bytes(), bundle->bytes());
}

TEST(ReportDataFile, MissingPartsAreNothingAndBrokenFilesAreErrors) {
    const auto withoutFormat = UnpackReportData(makeStream("<DataReport><Data>S1lSUw==</Data></DataReport>"));
    ASSERT_TRUE(withoutFormat);
    EXPECT_EQ(withoutFormat->format, nullptr);  // imports nothing, no error from the split
    ASSERT_TRUE(withoutFormat->data);
    EXPECT_EQ(withoutFormat->data->bytes(), QByteArray("KYRS"));

    const auto packedEmpty = UnpackReportData(PackReportData(nullptr, nullptr));
    ASSERT_TRUE(packedEmpty);
    EXPECT_EQ(packedEmpty->format, nullptr);
    EXPECT_EQ(packedEmpty->data, nullptr);

    for (const char* broken : {"", "not xml", "<Other/>", "<DataReport><Format>***</Format></DataReport>"})
        EXPECT_FALSE(UnpackReportData(makeStream(broken))) << broken;
    EXPECT_FALSE(UnpackReportData(nullptr));
}

}  // namespace
}  // namespace ky
