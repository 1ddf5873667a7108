// The status line: three captions placed at the margins and in the middle,
// each readable by its accessible name.

#include "report/designer/controls/qm_status_bar.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace ky::designer {
namespace {

TEST(QmStatusBar, PlacesItsCaptionsAndNamesThemByTheirText) {
    QmStatusBar bar;
    bar.resize(600, 24);
    bar.show();
    bar.setLeftCaption(u"设计模式"_qs);
    bar.setCenterCaption(u"第1页 共5页"_qs);
    bar.setRightCaption(u"100%"_qs);
    const auto* left = bar.findChild<QLabel*>(u"leftCaption"_qs);
    const auto* center = bar.findChild<QLabel*>(u"centerCaption"_qs);
    const auto* right = bar.findChild<QLabel*>(u"rightCaption"_qs);
    ASSERT_TRUE(left && center && right);
    EXPECT_EQ(center->accessibleName(), u"第1页 共5页"_qs);
    EXPECT_EQ(bar.rightCaption(), u"100%"_qs);
    const int margin = left->x();
    EXPECT_GT(margin, 0);
    EXPECT_EQ(left->y(), margin);
    EXPECT_EQ(right->geometry().right() + 1, 600 - margin);
    EXPECT_LE(std::abs(center->geometry().center().x() - 300), 1);
    bar.resize(800, 24);
    EXPECT_EQ(right->geometry().right() + 1, 800 - margin) << "placed again on resize";
}

}  // namespace
}  // namespace ky::designer
