// The toolbar control: ids counted with separators, lookups by id or key,
// styles, states, images cut from strips, and the signals of clicks and hot
// tracking.

#include "report/designer/controls/qm_toolbar.h"

#include <QEnterEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace ky::designer {
namespace {

using Style = QmToolbar::Style;

// The events of one signal spy as "Name(id,key)" texts, in order.
struct Recorder {
    explicit Recorder(QmToolbar& bar) {
        QObject::connect(&bar, &QmToolbar::ButtonClick, [this](int i, const QString& k) { add("Click", i, k); });
        QObject::connect(&bar, &QmToolbar::ButtonEnter, [this](int i, const QString& k) { add("Enter", i, k); });
        QObject::connect(&bar, &QmToolbar::ButtonLeave, [this](int i, const QString& k) { add("Leave", i, k); });
        QObject::connect(&bar, &QmToolbar::ToolbarEnter, [this] { events << QStringLiteral("ToolbarEnter"); });
        QObject::connect(&bar, &QmToolbar::ToolbarLeave, [this] { events << QStringLiteral("ToolbarLeave"); });
    }
    void add(const char* name, int id, const QString& key) {
        events << QStringLiteral("%1(%2,%3)").arg(QString::fromLatin1(name)).arg(id).arg(key);
    }
    QStringList events;
};

class QmToolbarTest : public testing::Test {
protected:
    void SetUp() override {
        // Away from the pointer, so that only the test's own events enter buttons.
        window.setGeometry(300, 300, 400, 60);
        bar = new QmToolbar(&window);
        bar->resize(400, 40);
        ASSERT_TRUE(bar->Initialize(16, true, false, false));
        bar->AddButton(u"new"_qs, {}, 0, u"新建"_qs, Style::Button);
        bar->AddButton(u"sep"_qs, {}, -1, {}, Style::Separator);
        bar->AddButton(u"bold"_qs, {}, 1, u"粗体"_qs, Style::Check);
        bar->AddButton(u"left"_qs, {}, 2, u"左对齐"_qs, Style::CheckGroup);
        bar->AddButton(u"right"_qs, {}, 3, u"右对齐"_qs, Style::CheckGroup);
        bar->AddButton(u"zoom"_qs, u"显示比例"_qs, -1, u"缩放"_qs, Style::WholeDropDown);
        bar->AddButton(u"8"_qs, {}, -1, u"key eight"_qs, Style::Button);
        bar->AddButton(u"new"_qs, {}, -1, u"second new"_qs, Style::Button);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void enter(int id) {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(bar->buttonWidget(id), &event);
    }
    void leave(QObject* widget) {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &event);
        QCoreApplication::processEvents();
    }

    QWidget window;
    QmToolbar* bar = nullptr;
};

TEST_F(QmToolbarTest, ButtonsAreFoundByIdOrByTheFirstKey) {
    EXPECT_EQ(bar->ButtonCount(), 8);
    EXPECT_EQ(bar->resolve(u"3"_qs), 3);
    EXPECT_EQ(bar->resolve(u"new"_qs), 1) << "two buttons with the key: the first";
    EXPECT_EQ(bar->resolve(u"8"_qs), 8) << "a number is an id, even when a key is that number";
    EXPECT_EQ(bar->resolve(u"none"_qs), 0);
    EXPECT_EQ(bar->resolve(u"9"_qs), 0);
    EXPECT_EQ(bar->ButtonKey(u"7"_qs), u"8"_qs);
    EXPECT_EQ(bar->ButtonKey(u"2"_qs), u"sep"_qs) << "separators take ids";
    EXPECT_EQ(bar->buttonWidget(2), nullptr);
}

TEST_F(QmToolbarTest, TipsAreCutAndNameButtonsWithoutCaption) {
    bar->setButtonTipText(u"new"_qs, QString(100, u'x'));
    EXPECT_EQ(bar->ButtonTipText(u"1"_qs).size(), QmToolbar::kMaxTipLength);
    EXPECT_EQ(bar->buttonWidget(3)->accessibleName(), u"粗体"_qs) << "no caption: the tip";
    EXPECT_EQ(bar->buttonWidget(6)->accessibleName(), u"显示比例"_qs) << "the caption";
    bar->setButtonCaption(u"bold"_qs, u"B"_qs);
    EXPECT_EQ(bar->buttonWidget(3)->accessibleName(), u"B"_qs);
}

TEST_F(QmToolbarTest, StatesAreSetAndRead) {
    bar->setButtonEnabled(u"new"_qs, false);
    EXPECT_FALSE(bar->ButtonEnabled(u"1"_qs));
    bar->setButtonChecked(u"bold"_qs, true);
    EXPECT_TRUE(bar->ButtonChecked(u"3"_qs));
    bar->setButtonChecked(u"7"_qs, true);
    EXPECT_TRUE(bar->ButtonChecked(u"7"_qs)) << "a plain button shows the checked state too";
    bar->setButtonVisible(u"zoom"_qs, false);
    EXPECT_FALSE(bar->ButtonVisible(u"6"_qs));
    bar->setButtonPressed(u"new"_qs, true);
    EXPECT_TRUE(bar->ButtonPressed(u"1"_qs));
    EXPECT_FALSE(bar->ButtonEnabled(u"sep"_qs)) << "a separator has no states";
}

TEST_F(QmToolbarTest, ClicksRaiseButtonClickAndCheckGroupsHoldOneDown) {
    Recorder recorder(*bar);
    QTest::mouseClick(bar->buttonWidget(4), Qt::LeftButton);
    QTest::mouseClick(bar->buttonWidget(5), Qt::LeftButton);
    QTest::mouseClick(bar->buttonWidget(5), Qt::LeftButton);
    EXPECT_FALSE(bar->ButtonChecked(u"left"_qs));
    EXPECT_TRUE(bar->ButtonChecked(u"right"_qs)) << "clicked again, a group button stays down";
    QTest::mouseClick(bar->buttonWidget(3), Qt::LeftButton);
    QTest::mouseClick(bar->buttonWidget(3), Qt::LeftButton);
    EXPECT_FALSE(bar->ButtonChecked(u"bold"_qs)) << "a check button toggles";
    EXPECT_EQ(recorder.events.join(u' ').toStdString(), "Click(4,left) Click(5,right) Click(5,right) Click(3,bold) Click(3,bold)");
}

TEST_F(QmToolbarTest, AWholeDropDownTellsWhereItsMenuHangs) {
    QSignalSpy drops(bar, &QmToolbar::ButtonDropDown);
    QSignalSpy clicks(bar, &QmToolbar::ButtonClick);
    QToolButton* zoom = bar->buttonWidget(6);
    QTest::mouseClick(zoom, Qt::LeftButton);
    ASSERT_EQ(drops.size(), 1);
    EXPECT_EQ(clicks.size(), 0);
    const QPoint below = zoom->mapTo(&window, zoom->rect().bottomLeft() + QPoint(0, 1));
    EXPECT_EQ(drops[0], (QVariantList{6, u"zoom"_qs, below.x(), below.y()}));
}

TEST_F(QmToolbarTest, HotTrackingReportsEnterAndLeaveInOrder) {
    Recorder recorder(*bar);
    bar->setButtonEnabled(u"7"_qs, false);
    enter(7);  // from outside onto a disabled button: nothing
    EXPECT_TRUE(recorder.events.isEmpty());
    enter(1);
    // From one button straight to the next: Qt leaves one and enters the
    // other in the same move, which is one change of the hot button.
    QEvent left(QEvent::Leave);
    QCoreApplication::sendEvent(bar->buttonWidget(1), &left);
    enter(3);
    QCoreApplication::processEvents();
    leave(bar->buttonWidget(3));  // onto the background: none hot
    enter(4);
    leave(bar);  // off the toolbar
    EXPECT_EQ(recorder.events.join(u' ').toStdString(),
              "ToolbarEnter Enter(1,new) Leave(1,new) Enter(3,bold) Leave(3,bold) ToolbarLeave "
              "ToolbarEnter Enter(4,left) Leave(4,left) ToolbarLeave");
}

// A strip of three 16-pixel images drawn at twice the size: magenta is
// transparent, and the images keep their pixels for 200 % displays.
TEST_F(QmToolbarTest, StripsAreCutIntoSquareImagesWithTheMaskTransparent) {
    QImage strip(96, 32, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    QPainter(&strip).fillRect(QRect(32, 8, 16, 16), Qt::blue);
    EXPECT_EQ(bar->AddBitmap(strip, 0xFF00FF), 0);
    EXPECT_EQ(bar->AddBitmap(strip, -1), 3);
    bar->AddButton(u"img"_qs, {}, 1, u"image"_qs, Style::Button);
    const QIcon icon = bar->buttonWidget(9)->icon();
    const QImage shown = icon.pixmap(QSize(16, 16), 2.0).toImage();
    ASSERT_EQ(shown.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(shown.pixel(10, 10), QColor(Qt::blue).rgba());
}

TEST(QmToolbarBeforeInitialize, DoesNothing) {
    QmToolbar bar;
    EXPECT_EQ(bar.AddBitmap(QImage(16, 16, QImage::Format_RGB32), -1), 0);
    bar.AddButton(u"a"_qs, {}, 0, u"tip"_qs, QmToolbar::Style::Button);
    bar.setButtonEnabled(u"a"_qs, false);
    EXPECT_EQ(bar.ButtonCount(), 1);
    EXPECT_FALSE(bar.ButtonEnabled(u"a"_qs));
    EXPECT_EQ(bar.ToolbarHeight(), 0);
    EXPECT_TRUE(bar.Initialize(16, false, false, true));
    EXPECT_FALSE(bar.Initialize(16, false, false, true)) << "only the first time";
}

}  // namespace
}  // namespace ky::designer
