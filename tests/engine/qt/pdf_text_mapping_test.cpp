// ToUnicode maps as Qt's PDF writer writes them: radicals that share a glyph
// with an ideograph are pointed at the ideograph, in place; and maps completed
// with the text noted while drawing, in an update appended to the file.

#include "report/engine/qt/pdf_text_mapping.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ky {
namespace {

QByteArray cmap(const QByteArray& entries) {
    return "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
           "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n" +
           entries + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

struct MappingCase {
    const char* why;
    QByteArray entries, mended;
    int changed;
};

class RadicalMapping : public testing::TestWithParam<MappingCase> {};

TEST_P(RadicalMapping, PointsRadicalsAtIdeographs) {
    const MappingCase& c = GetParam();
    QByteArray pdf = "%PDF-1.4\n" + cmap(c.entries) + "%%EOF\n";
    const QByteArray want = "%PDF-1.4\n" + cmap(c.mended) + "%%EOF\n";
    EXPECT_EQ(mapRadicalsToIdeographs(pdf), c.changed);
    EXPECT_EQ(pdf, want);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RadicalMapping,
    testing::Values(
        // ⼀ (U+2F00) is 一, ⻚ (U+2EDA) is 页, ⽬ (U+2F6C) is 目; 7B2C (第) is no radical.
        MappingCase{"a list of codes", "2 beginbfrange\n<0000> <0000> <0000>\n<0001> <0004> [<7B2C> <2F00> <2eda> <0031>]\nendbfrange\n",
                    "2 beginbfrange\n<0000> <0000> <0000>\n<0001> <0004> [<7B2C> <4E00> <9875> <0031>]\nendbfrange\n", 2},
        MappingCase{"a list over lines", "1 beginbfrange\n<0001> <0002> [<2F6C>\n<2F00>]\nendbfrange\n",
                    "1 beginbfrange\n<0001> <0002> [<76EE>\n<4E00>]\nendbfrange\n", 2},
        MappingCase{"a range of one code", "1 beginbfrange\n<0005> <0005> <2F00>\nendbfrange\n",
                    "1 beginbfrange\n<0005> <0005> <4E00>\nendbfrange\n", 1},
        // Codes counting up from a radical are radicals again: left as they are.
        MappingCase{"a counting range", "1 beginbfrange\n<0005> <0007> <2F00>\nendbfrange\n",
                    "1 beginbfrange\n<0005> <0007> <2F00>\nendbfrange\n", 0},
        MappingCase{"characters", "2 beginbfchar\n<0003> <2F00>\n<0004> <D835DC00>\nendbfchar\n",
                    "2 beginbfchar\n<0003> <4E00>\n<0004> <D835DC00>\nendbfchar\n", 1},
        MappingCase{"no radicals", "1 beginbfrange\n<0001> <0002> [<0041> <4E00>]\nendbfrange\n",
                    "1 beginbfrange\n<0001> <0002> [<0041> <4E00>]\nendbfrange\n", 0}));

// Outside a map nothing changes, and broken maps end the reading quietly.
TEST(RadicalMappingOutsideMaps, LeavesOtherBytesAlone) {
    for (QByteArray pdf : {QByteArray("<2F00> <0001> [<2F00>] stream"), QByteArray("begincmap 1 beginbfrange <0001> <0001> <2F00>"),
                           QByteArray("begincmap beginbfrange <0001 <0002> [<2F00 endcmap"), QByteArray("begincmap <<<<<<<< endcmap")}) {
        const QByteArray before = pdf;
        EXPECT_EQ(mapRadicalsToIdeographs(pdf), 0) << before.constData();
        EXPECT_EQ(pdf, before);
    }
}

TEST(RadicalMappingOfAFile, RewritesOnlyWhatChangedAndReportsUnreadableFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.pdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cmap("1 beginbfrange\n<0001> <0001> <2F00>\nendbfrange\n"));
    file.close();
    ASSERT_TRUE(mendPdfText(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<0001> <0001> <4E00>"));
    EXPECT_FALSE(mendPdfText(dir.filePath(QStringLiteral("missing.pdf"))));
}

// A file as Qt writes one: a font (object 3) whose map is object 4, the
// cross-reference table with every object's offset, and the trailer.
QByteArray pdfWithMap(const QByteArray& entries) {
    QList<qsizetype> offsets;
    QByteArray pdf = "%PDF-1.4\n";
    const QByteArray map = cmap(entries);
    const QByteArrayList objects = {
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [] /Count 0 >>",
        "<< /Type /Font /Subtype /Type0 /BaseFont /Face /Encoding /Identity-H /ToUnicode 4 0 R >>",
        "<< /Length " + QByteArray::number(map.size()) + " >>\nstream\n" + map + "endstream"};
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 5\n0000000000 65535 f \n";
    for (qsizetype offset : offsets) pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size 5 /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

// The stream of the last "N 0 obj" in the file, found through the last
// cross-reference section, as a reader finds it.
QByteArray lastRevisionOf(const QByteArray& pdf, int object) {
    const qsizetype xref = pdf.mid(pdf.lastIndexOf("startxref") + 9).trimmed().split('\n').value(0).toLongLong();
    const QByteArray entry = "\n" + QByteArray::number(object) + " 1\n";
    const qsizetype at = pdf.indexOf(entry, xref);
    if (at < 0) return {};
    const qsizetype offset = pdf.mid(at + entry.size(), 10).toLongLong();
    if (!pdf.mid(offset).startsWith(QByteArray::number(object) + " 0 obj")) return {};
    return pdf.mid(offset, pdf.indexOf("endobj", offset) - offset);
}

TEST(CompletedTextMaps, GiveNotedCodesTheirTextAndKeepTheOthers) {
    QByteArray pdf = pdfWithMap("2 beginbfrange\n<0001> <0002> [<0041> <2F00>]\n<0005> <0006> <0061>\nendbfrange\n");
    const QByteArray original = pdf;
    // Code 3 is a glyph no character maps to; code 6's glyph was drawn for "fi".
    const std::vector<PdfFontText> fonts = {{3, {{3, QStringLiteral("9")}, {6, QStringLiteral("fi")}}}};
    ASSERT_EQ(completeTextMaps(pdf, fonts), 1);
    EXPECT_TRUE(pdf.startsWith(original)) << "the file before the update is left as it was";
    const QByteArray map = lastRevisionOf(pdf, 4);
    ASSERT_FALSE(map.isEmpty()) << pdf.mid(original.size()).constData();
    EXPECT_TRUE(map.contains(
        "5 beginbfchar\n<0001> <0041>\n<0002> <2F00>\n<0003> <0039>\n<0005> <0061>\n<0006> <00660069>\nendbfchar\n"));
    EXPECT_TRUE(map.contains("<0000> <FFFF>\nendcodespacerange")) << "the map's head stays";
    EXPECT_TRUE(map.contains("/Length " + QByteArray::number(map.indexOf("endstream") - map.indexOf("stream\n") - 8)));
    EXPECT_TRUE(pdf.contains("trailer\n<< /Prev " + QByteArray::number(original.indexOf("xref\n")) + " /Size 5 /Root 1 0 R >>"));
}

TEST(CompletedTextMaps, WriteAHundredCharactersAList) {
    QByteArray pdf = pdfWithMap("");
    std::vector<PdfFontText> fonts = {{3, {}}};
    for (quint32 code = 1; code <= 150; ++code) fonts[0].entries.push_back({code, QStringLiteral("x")});
    ASSERT_EQ(completeTextMaps(pdf, fonts), 1);
    const QByteArray map = lastRevisionOf(pdf, 4);
    EXPECT_TRUE(map.contains("100 beginbfchar\n<0001> <0078>"));
    EXPECT_TRUE(map.contains("endbfchar\n50 beginbfchar\n<0065> <0078>"));
}

TEST(CompletedTextMaps, LeaveFilesTheyCannotReadAlone) {
    const std::vector<PdfFontText> fonts = {{3, {{1, QStringLiteral("A")}}}};
    const QByteArray whole = pdfWithMap("");
    QByteArray noFont = whole;
    noFont.replace("/ToUnicode 4 0 R", "/Encoding2 4 0 R");
    QByteArray noMap = whole;
    noMap.replace("begincmap", "beginXmap");
    for (QByteArray pdf : {QByteArray(), QByteArray("%PDF-1.4\n%%EOF\n"), whole.left(whole.indexOf("trailer")), noFont, noMap}) {
        const QByteArray before = pdf;
        EXPECT_EQ(completeTextMaps(pdf, fonts), 0);
        EXPECT_EQ(pdf, before);
    }
    QByteArray pdf = whole;
    EXPECT_EQ(completeTextMaps(pdf, {{7, {{1, QStringLiteral("A")}}}}), 0) << "no font object 7";
    EXPECT_EQ(completeTextMaps(pdf, {}), 0);
}

}  // namespace
}  // namespace ky
