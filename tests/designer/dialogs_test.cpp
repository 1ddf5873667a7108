// The page setup dialog and the input box: what they show, what choosing a
// paper does, and what OK and Cancel leave behind.

#include "report/designer/dialogs/input_box.h"
#include "report/designer/dialogs/page_setup_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace ky::designer {
namespace {

PageSetup a5Landscape() {
    PageSetup setup;
    setup.PageWidth = 14.8;
    setup.PageHeight = 21;
    setup.LeftMargin = 1;
    setup.TopMargin = 1.5;
    setup.Orientation = 2;
    setup.PageSize = 11;
    return setup;
}

struct PaperCase {
    int code, index;
};

class PaperList : public testing::TestWithParam<PaperCase> {};

TEST_P(PaperList, ShowsThePaperOfTheCode) { EXPECT_EQ(PageSetupDialog::paperIndex(GetParam().code), GetParam().index); }

INSTANTIATE_TEST_SUITE_P(Codes, PaperList,
                         testing::Values(PaperCase{8, 0}, PaperCase{9, 1}, PaperCase{11, 2}, PaperCase{12, 3}, PaperCase{13, 4},
                                         PaperCase{256, 5},
                                         // Any other code shows A3.
                                         PaperCase{0, 0}, PaperCase{70, 0}));

TEST(PageSetupDialog, ShowsTheRecordAndWritesItBackOnOk) {
    PageSetup record = a5Landscape();
    ReportSession session;
    PageSetupDialog dialog(record, session);
    EXPECT_EQ(dialog.windowTitle(), u"页面设置"_qs);
    EXPECT_EQ(dialog.paperList()->currentText(), u"A5"_qs);
    EXPECT_EQ(dialog.widthBox()->text(), u"14.8"_qs);
    EXPECT_FALSE(dialog.widthBox()->isEnabled()) << "only a user-defined paper takes a typed size";
    EXPECT_TRUE(dialog.landscapeButton()->isChecked());
    EXPECT_EQ(dialog.marginBox(1)->text(), u"1.5"_qs);

    dialog.marginBox(0)->setText(u"2cm"_qs);   // the number at the start
    dialog.marginBox(2)->setText(u"wide"_qs);  // no number: 0
    dialog.portraitButton()->setChecked(true);
    dialog.emptyFormBox()->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(record.LeftMargin, 2);
    EXPECT_DOUBLE_EQ(record.RightMargin, 0);
    EXPECT_DOUBLE_EQ(record.PageWidth, 14.8);
    EXPECT_EQ(record.Orientation, 1);
    EXPECT_EQ(record.PageSize, 11);
    EXPECT_TRUE(session.printEmptyForm);
    EXPECT_TRUE(session.formatChanged);
}

TEST(PageSetupDialog, APaperChosenSetsItsSizeAndUserDefinedKeepsWhatWasTyped) {
    PageSetup record = a5Landscape();
    ReportSession session;
    PageSetupDialog dialog(record, session);
    dialog.show();
    QComboBox* papers = dialog.paperList();
    papers->setCurrentIndex(5);
    Q_EMIT papers->activated(5);
    EXPECT_TRUE(dialog.widthBox()->isEnabled());
    dialog.widthBox()->setText(u"19"_qs);
    dialog.heightBox()->setText(u"27.5"_qs);
    papers->setCurrentIndex(3);
    Q_EMIT papers->activated(3);  // B4: 35.4 × 25
    EXPECT_EQ(dialog.heightBox()->text(), u"35.4"_qs);
    EXPECT_EQ(dialog.widthBox()->text(), u"25"_qs);
    papers->setCurrentIndex(5);
    Q_EMIT papers->activated(5);
    dialog.widthBox()->setText(u"19"_qs);
    dialog.accept();
    EXPECT_DOUBLE_EQ(record.PageWidth, 19);
    EXPECT_DOUBLE_EQ(record.PageHeight, 35.4);
    EXPECT_EQ(record.PageSize, 256);
}

TEST(PageSetupDialog, CancelLeavesAPaperWidthOfZero) {
    PageSetup record = a5Landscape();
    ReportSession session;
    PageSetupDialog dialog(record, session);
    dialog.marginBox(0)->setText(u"3"_qs);
    dialog.reject();
    EXPECT_DOUBLE_EQ(record.PageWidth, 0);
    EXPECT_DOUBLE_EQ(record.LeftMargin, 1) << "nothing else taken over";
    EXPECT_FALSE(session.formatChanged);
}

TEST(InputBox, GivesTheTypedTextAndWhetherItWasCancelled) {
    InputBox box;
    EXPECT_EQ(box.promptLabel()->text(), u"请输入新值"_qs);
    box.prepare(u"请输入要导入的页码"_qs, u"导入"_qs, u"-1"_qs);
    EXPECT_EQ(box.windowTitle(), u"导入"_qs);
    EXPECT_EQ(box.textBox()->text(), u"-1"_qs);
    EXPECT_EQ(box.textBox()->echoMode(), QLineEdit::Normal);
    box.show();
    QTest::keyClicks(box.textBox(), u"2"_qs);  // the default was selected: typing replaces it
    QTest::keyClick(box.textBox(), Qt::Key_Return);
    EXPECT_FALSE(box.Cancel());
    EXPECT_EQ(box.ReturnValue(), u"2"_qs);

    box.prepare({}, u"密码"_qs, {}, u"*"_qs);
    EXPECT_EQ(box.textBox()->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(box.Cancel()) << "until OK is pressed";
    box.reject();
    EXPECT_TRUE(box.Cancel());
}

}  // namespace
}  // namespace ky::designer
