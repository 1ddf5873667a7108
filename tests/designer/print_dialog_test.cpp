// The print dialog: the printers it lists (server printers only where the
// host allows them), the stored choices it starts from and keeps, and what
// OK and Cancel leave in the session.

#include "report/designer/dialogs/print_dialog.h"

#include "platform/ini_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace ky::designer {
namespace {

class PrintDialogTest : public testing::Test {
protected:
    QString stored(const char* key) const {
        return readProfileString(settings, QStringLiteral("Printer"), QString::fromLatin1(key));
    }
    void store(const char* key, const QString& value) {
        ASSERT_TRUE(writeProfileString(settings, QStringLiteral("Printer"), QString::fromLatin1(key), value));
    }

    QTemporaryDir dir;
    QString settings = dir.filePath(u"Xelmora.ini"_qs);
    FixedPrinterService printers{{u"HP LaserJet"_qs, u"kestrow printer"_qs}};
    ReportSession session;
};

TEST_F(PrintDialogTest, StartsFromTheCurrentPrinterAndAllPages) {
    PrintDialog dialog(printers, session, settings);
    EXPECT_EQ(dialog.windowTitle(), u"打印"_qs);
    EXPECT_EQ(dialog.printerList()->count(), 2);
    EXPECT_EQ(dialog.printerList()->currentText(), u"HP LaserJet"_qs);
    EXPECT_TRUE(dialog.allPagesBox()->isChecked());
    EXPECT_FALSE(dialog.pagesBox()->isEnabled());
    EXPECT_EQ(dialog.copiesBox()->text(), u"1"_qs);
    EXPECT_EQ(dialog.qualityList()->count(), 4);
    EXPECT_FALSE(dialog.serverBox()->isEnabled());
    EXPECT_TRUE(stored("DeviceIndex").isEmpty()) << "loading stores nothing";
}

TEST_F(PrintDialogTest, ListsServerPrintersOnlyWhereTheHostAllowsThem) {
    store("ShowServerPrinter", u"1"_qs);
    session.serverPrinterNames = u"检验科|| 门诊 "_qs;
    {
        PrintDialog dialog(printers, session, settings);
        EXPECT_FALSE(dialog.serverBox()->isChecked()) << "not allowed: unticked, whatever was stored";
        EXPECT_EQ(dialog.printerList()->count(), 2);
    }
    session.allowPrintToServer = true;
    PrintDialog dialog(printers, session, settings);
    EXPECT_TRUE(dialog.serverBox()->isChecked());
    ASSERT_EQ(dialog.printerList()->count(), 4);
    EXPECT_EQ(dialog.printerList()->itemText(2), u"服务器上的_检验科"_qs);
    EXPECT_EQ(dialog.printerList()->itemText(3), u"服务器上的_ 门诊 "_qs);
    dialog.serverBox()->setChecked(false);
    EXPECT_EQ(dialog.printerList()->count(), 2);
    EXPECT_EQ(stored("ShowServerPrinter"), u"0"_qs);
}

TEST_F(PrintDialogTest, KeepsEachChoiceAsItIsMade) {
    PrintDialog dialog(printers, session, settings);
    dialog.show();
    dialog.printerList()->setCurrentIndex(1);
    dialog.qualityList()->setCurrentIndex(3);
    dialog.monochromeBox()->setChecked(true);
    dialog.copiesBox()->clear();
    QTest::keyClicks(dialog.copiesBox(), u"3 copies"_qs);  // the number at the start
    EXPECT_EQ(stored("DeviceIndex"), u"1"_qs);
    EXPECT_EQ(stored("PrintQuality"), u"3"_qs);
    EXPECT_EQ(stored("ColorMode"), u"1"_qs);
    EXPECT_EQ(stored("PrintCopies"), u"3"_qs);

    PrintDialog again(printers, session, settings);
    EXPECT_EQ(again.printerList()->currentIndex(), 1);
    EXPECT_EQ(again.qualityList()->currentIndex(), 3);
    EXPECT_TRUE(again.monochromeBox()->isChecked());
    EXPECT_EQ(again.copiesBox()->text(), u"3"_qs);
}

TEST_F(PrintDialogTest, AStoredPrinterThatIsGoneGivesTheCurrentOne) {
    store("DeviceIndex", u"7"_qs);
    ASSERT_TRUE(printers.selectPrinter(u"kestrow printer"_qs));
    PrintDialog dialog(printers, session, settings);
    EXPECT_EQ(dialog.printerList()->currentText(), u"kestrow printer"_qs);
}

struct PagesCase {
    const char* why;
    bool all;
    QString typed;
    QString pages;
};

class PrintDialogPages : public PrintDialogTest, public testing::WithParamInterface<PagesCase> {};

TEST_P(PrintDialogPages, OkLeavesTheChoicesInTheSession) {
    const PagesCase& c = GetParam();
    PrintDialog dialog(printers, session, settings);
    dialog.allPagesBox()->setChecked(c.all);
    dialog.pagesBox()->setText(c.typed);
    dialog.copiesBox()->setText(u"2"_qs);
    dialog.qualityList()->setCurrentIndex(2);
    dialog.accept();
    EXPECT_EQ(session.print.pages, c.pages) << c.why;
    EXPECT_EQ(session.print.printerName, u"HP LaserJet"_qs);
    EXPECT_EQ(session.print.copies, 2);
    EXPECT_EQ(session.print.printQuality, -3);
    EXPECT_EQ(session.print.colorMode, 2);
}

INSTANTIATE_TEST_SUITE_P(Table, PrintDialogPages,
                         testing::Values(PagesCase{"all ticked", true, u"1-3"_qs, u"All"_qs},
                                         PagesCase{"a range, trimmed", false, u" 1,2,4-7 "_qs, u"1,2,4-7"_qs},
                                         PagesCase{"nothing typed", false, u"  "_qs, u"All"_qs}));

TEST_F(PrintDialogTest, CancelLeavesNoCopies) {
    PrintDialog dialog(printers, session, settings);
    dialog.reject();
    EXPECT_EQ(session.print.copies, 0);
}

}  // namespace
}  // namespace ky::designer
