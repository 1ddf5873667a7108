// ToUnicode maps as Qt's PDF writer writes them: radicals that share a glyph
// with an ideograph are pointed at the ideograph, in place.

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
    ASSERT_TRUE(mapRadicalsToIdeographs(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<0001> <0001> <4E00>"));
    EXPECT_FALSE(mapRadicalsToIdeographs(dir.filePath(QStringLiteral("missing.pdf"))));
}

}  // namespace
}  // namespace ky
