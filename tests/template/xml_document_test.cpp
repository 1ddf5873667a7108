#include "report/template/xml_document.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

TEST(XmlDocument, LoadsAnyUnicodeEncodingAndSavesUtf8) {
    const QString text = QStringLiteral("<Report><Name>血常规 &amp; 尿常规</Name></Report>");
    QByteArray utf16 = QByteArray("\xFF\xFE");  // byte-order mark
    for (QChar c : text) utf16.append(static_cast<char>(c.unicode() & 0xFF)).append(static_cast<char>(c.unicode() >> 8));

    for (const QByteArray& bytes : {text.toUtf8(), utf16}) {
        pugi::xml_document document;
        ASSERT_TRUE(loadXmlBytes(document, bytes));
        EXPECT_EQ(QString::fromUtf8(document.child("Report").child("Name").text().get()), QStringLiteral("血常规 & 尿常规"));
        const QByteArray saved = saveXmlBytes(document);
        EXPECT_TRUE(saved.startsWith("<?xml version=\"1.0\"?>"));
        EXPECT_TRUE(saved.contains(QStringLiteral("<Report><Name>血常规 &amp; 尿常规</Name></Report>").toUtf8()));
    }
}

TEST(XmlDocument, AFailedLoadLeavesAnEmptyDocument) {
    pugi::xml_document document;
    ASSERT_TRUE(loadXmlText(document, QStringLiteral("<Report/>")));
    EXPECT_FALSE(loadXmlText(document, QStringLiteral("<Report>")));
    EXPECT_FALSE(document.document_element());
    EXPECT_FALSE(loadXmlBytes(document, QByteArray("\x00\x01garbage", 9)));
}

}  // namespace
}  // namespace ky
