#include "report/data/shared_texts.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

TEST(SharedTexts, TheSameTextIsOneString) {
    SharedTexts pool(16);
    const QString text = QStringLiteral("10^9/L");
    const QString first = pool.get(text);
    const QString second = pool.get(QStringView(text));
    EXPECT_EQ(first, text);
    EXPECT_EQ(first.constData(), second.constData());
    EXPECT_NE(pool.get(u"g/L").constData(), first.constData());
    EXPECT_TRUE(pool.get(u"").isNull());  // the empty text stays as the reader makes it
}

TEST(SharedTexts, ManyDistinctTextsAllComeBackAndThePoolStopsGrowing) {
    SharedTexts pool(100);
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 1000; ++i) ASSERT_EQ(pool.get(QString::number(i)), QString::number(i));
    // The first hundred are shared; later ones are copies.
    EXPECT_EQ(pool.get(u"5").constData(), pool.get(u"5").constData());
    EXPECT_NE(pool.get(u"999").constData(), pool.get(u"999").constData());
}

TEST(SharedTexts, SameTextComparesByContentWhenNotShared) {
    const QString a = QStringLiteral("Result");
    EXPECT_TRUE(sameText(a, u"Result"));
    EXPECT_TRUE(sameText(a, a));
    EXPECT_FALSE(sameText(a, u"result"));
    EXPECT_FALSE(sameText(a, u"Results"));
}

}  // namespace
}  // namespace ky
