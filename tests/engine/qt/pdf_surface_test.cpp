// PDF pages: one per page the engine opens, each with the paper and
// orientation set for it, text that extracts as text (pdftotext), and
// metafile pictures as vectors.

#include "report/engine/qt/pdf_surface.h"
#include "engine/qt/wmf_fixtures.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ky {
namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A page as the engine draws one: scale, paper, orientation, then drawing.
void drawPage(PdfSurface& pdf, int paper, int orientation, const QSizeF& twips, const QString& text) {
    pdf.setScale(twips.width(), twips.height());
    pdf.setPaperSize(paper);
    if (paper == 256) pdf.setPaperDimensions(twips.width(), twips.height());
    pdf.setOrientation(orientation);
    pdf.openPage(pdf.pagesDrawn() + 1);
    pdf.drawText({1000, 1000, 6000, 2000}, text, {.name = u"宋体"_qs, .size = 14}, {}, 0);
    pdf.drawLine({1000, 3000}, {5000, 3000}, 0, 1);
    pdf.newPage();
}

TEST(PdfSurface, PagesPaperAndText) {
    if (QStandardPaths::findExecutable(u"pdfinfo"_qs).isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.pdf"_qs);
    {
        const QtTextMetrics metrics;
        PdfSurface pdf(metrics, path);
        drawPage(pdf, 9, 1, {11906, 16838}, u"第一页 宋体 page one"_qs);
        drawPage(pdf, 9, 2, {16838, 11906}, u"第二页 landscape"_qs);
        drawPage(pdf, 256, 1, {5670, 2835}, u"标签 label"_qs);  // 10 cm × 5 cm
        pdf.endDoc();
        EXPECT_EQ(pdf.pagesDrawn(), 3);
        EXPECT_TRUE(pdf.error().isEmpty());
    }
    const QString info = run(u"pdfinfo"_qs, {u"-f"_qs, u"1"_qs, u"-l"_qs, u"3"_qs, path});
    EXPECT_TRUE(info.contains(u"Pages:           3"_qs)) << info.toStdString();
    // Points, rounded: A4 is 595 × 842; the label 283.5 × 141.75.
    EXPECT_TRUE(info.contains(u"Page    1 size:  595 x 842 pts (A4)"_qs)) << info.toStdString();
    EXPECT_TRUE(info.contains(u"Page    2 size:  842 x 595 pts (A4)"_qs)) << info.toStdString();
    EXPECT_TRUE(info.contains(u"Page    3 size:  284 x 142 pts"_qs)) << info.toStdString();
    // Characters whose glyph a radical shares (一, 页) extract as themselves.
    const QString text = run(u"pdftotext"_qs, {path, u"-"_qs});
    EXPECT_TRUE(text.contains(u"第一页 宋体 page one"_qs)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"第二页 landscape"_qs));
    EXPECT_TRUE(text.contains(u"标签 label"_qs));
    const QString fonts = run(u"pdffonts"_qs, {path});
    EXPECT_TRUE(fonts.contains(u"NotoSerifCJK"_qs)) << fonts.toStdString();
}

// A WMF picture stays vectors in the PDF (it holds no image) and fills its
// target: a rectangle over the left half of the picture's box covers the
// left half of the target.
TEST(PdfSurface, WmfPictureStaysVectors) {
    if (QStandardPaths::findExecutable(u"pdfimages"_qs).isEmpty() ||
        QStandardPaths::findExecutable(u"pdftoppm"_qs).isEmpty())
        GTEST_SKIP() << "pdfimages and pdftoppm (poppler-utils) are not installed";
    test::WmfBuilder wmf;
    wmf.select(wmf.pen(U_RGB(0, 0, 0), 1, U_PS_NULL));
    wmf.fillWith(U_RGB(255, 0, 0)).rectangle(0, 0, 96, 96);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"wmf.pdf"_qs);
    {
        const QtTextMetrics metrics;
        PdfSurface pdf(metrics, path);
        pdf.setScale(11906, 16838);
        pdf.setPaperSize(9);
        pdf.setOrientation(1);
        pdf.openPage(1);
        pdf.drawPicture(wmf.bytes(), {1440, 1440, 5760, 2880});  // 1 inch in and down, 4 × 2 inches
        pdf.newPage();
        pdf.endDoc();
        EXPECT_TRUE(pdf.error().isEmpty());
    }
    // The list's two heading lines, and no image.
    EXPECT_EQ(run(u"pdfimages"_qs, {u"-list"_qs, path}).trimmed().count(u'\n'), 1);
    run(u"pdftoppm"_qs, {u"-r"_qs, u"72"_qs, u"-png"_qs, u"-singlefile"_qs, path, dir.filePath(u"page"_qs)});
    const QImage page(dir.filePath(u"page.png"_qs));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.pixel(144, 144), qRgb(255, 0, 0));
    EXPECT_EQ(page.pixel(288, 144), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(144, 250), qRgb(255, 255, 255));
}

// Dropped before the end of the document (a run cut short), the surface
// still closes the file: the pages drawn so far are there and it reads.
TEST(PdfSurface, DroppedBeforeTheEndKeepsThePagesDrawn) {
    if (QStandardPaths::findExecutable(u"pdfinfo"_qs).isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(u"cut.pdf"_qs);
    {
        const QtTextMetrics metrics;
        PdfSurface pdf(metrics, path);
        drawPage(pdf, 9, 1, {11906, 16838}, u"first"_qs);
        pdf.openPage(2);
        pdf.drawLine({1000, 3000}, {5000, 3000}, 0, 1);
    }
    EXPECT_TRUE(run(u"pdfinfo"_qs, {path}).contains(u"Pages:           2"_qs));
}

TEST(PdfSurface, UnwritablePathIsAnError) {
    const QtTextMetrics metrics;
    PdfSurface pdf(metrics, u"/nonexistent-folder/out.pdf"_qs);
    pdf.setScale(11906, 16838);
    pdf.openPage(1);
    pdf.drawLine({0, 0}, {100, 100}, 0, 1);
    pdf.endDoc();
    EXPECT_FALSE(pdf.error().isEmpty());
}

}  // namespace
}  // namespace ky
