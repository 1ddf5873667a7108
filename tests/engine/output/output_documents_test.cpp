#include "report/engine/output/web_archive.h"
#include "report/engine/output/word_document.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ky {
namespace {

// A page file with a minimal EMF header: its frame is 21 x 29.7 cm.
QByteArray fakeEmf(int page) {
    QByteArray bytes(88, '\0');
    const std::int32_t frame[4] = {0, 0, 21000, 29700};
    std::memcpy(bytes.data() + 24, frame, sizeof frame);
    return bytes + "page " + QByteArray::number(page);
}

class OutputDocuments : public testing::Test {
protected:
    void writePages(const QString& output, int count) {
        for (int page = 1; page <= count; ++page) {
            QFile file(pageFileName(output, page));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(fakeEmf(page));
        }
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    PageWait shortWait() const { return {std::chrono::milliseconds(200), std::chrono::milliseconds(10), {}}; }

    QTemporaryDir dir;
};

TEST(PageFiles, TheExtensionIsReplacedWhateverItsLetterCase) {
    EXPECT_EQ(pageFileName(u"/out/r.mht"_qs, 1), u"/out/r_001.emf"_qs);
    EXPECT_EQ(pageFileName(u"/out/r_key.DOC"_qs, 12), u"/out/r_key_012.emf"_qs);
    EXPECT_EQ(pageFileName(u"/out/r_.emf"_qs, 3), u"/out/r__003.emf"_qs);
}

TEST_F(OutputDocuments, AWebArchiveHoldsEveryPageInOrderAndTheFilesAreGone) {
    const QString output = path(u"report.MHT"_qs);
    writePages(output, 12);
    ASSERT_TRUE(WriteWebArchive({output, 12, u"血常规"_qs, QDateTime(QDate(2026, 12, 10), QTime(9, 5)), shortWait()}));
    const QString text = QString::fromUtf8(read(u"report.MHT"_qs));
    EXPECT_TRUE(text.startsWith(u"From: <Kestrow矢量报表>\r\nSubject:\r\nDate: 2026/12/10 9:05:00\r\n"_qs));
    EXPECT_TRUE(text.contains(u"<title>血常规</title>"_qs));
    qsizetype image = 0, part = 0;
    for (int page = 1; page <= 12; ++page) {
        const QString location = QStringLiteral("file:///VZQ%1").arg(page, 2, 10, QLatin1Char('0'));
        const qsizetype nextImage = text.indexOf(u"<IMG src=\""_qs + location + u'"', image);
        const qsizetype nextPart = text.indexOf(u"Content-Location: "_qs + location + u"\r\n"_qs, part);
        ASSERT_GT(nextImage, image) << page;
        ASSERT_GT(nextPart, part) << page;
        image = nextImage;
        part = nextPart;
        EXPECT_FALSE(QFile::exists(pageFileName(output, page)));
    }
    EXPECT_TRUE(text.endsWith(u"------=_NextPart_000_0000_Ky.VZQ--\r\n"_qs));
}

TEST_F(OutputDocuments, AMissingPageFileEndsTheWaitWithAnErrorAndWritesNothing) {
    const QString output = path(u"report.mht"_qs);
    writePages(output, 1);
    const Status written = WriteWebArchive({output, 2, u"r"_qs, QDateTime::currentDateTime(), shortWait()});
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().contains(u"report_002.emf"_qs));
    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(OutputDocuments, AWordDocumentHasOnePicturePerPageOnThePaperOfTheReport) {
    const QString output = path(u"report.doc"_qs);
    writePages(output, 1);
    ASSERT_TRUE(WriteWordDocument({output, 1, {11, 2, 0, 0}, shortWait()}));
    const QByteArray rtf = read(u"report.doc"_qs);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_EQ(rtf.count("{\\pict\\emfblip"), 1);
    EXPECT_TRUE(rtf.contains("\\paperw11906\\paperh8391"));  // A5 landscape
    EXPECT_TRUE(rtf.contains("\\landscape"));
    EXPECT_TRUE(rtf.contains("\\picw21000\\pich29700"));
    EXPECT_FALSE(QFile::exists(pageFileName(output, 1)));

    writePages(output, 3);
    ASSERT_TRUE(WriteWordDocument({output, 3, {256, 1, 5000, 7000}, shortWait()}));
    const QByteArray three = read(u"report.doc"_qs);
    EXPECT_EQ(three.count("{\\pict\\emfblip"), 3);
    EXPECT_EQ(three.count("\\page\n"), 2);
    EXPECT_TRUE(three.contains("\\paperw5000\\paperh7000"));
}

TEST_F(OutputDocuments, AWordDocumentWithoutItsPagesFailsWithTheExportMessage) {
    const Status written = WriteWordDocument({path(u"none.doc"_qs), 1, {}, shortWait()});
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().startsWith(kWordExportFailed));
}

}  // namespace
}  // namespace ky
