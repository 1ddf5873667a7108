#include "report/engine/fill/element_record.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

// A record with its properties in no particular order, one of them twice,
// and names that share prefixes, so that a lookup must match whole names.
constexpr const char* kRecord =
    "<Textbox><Width>1200</Width><Left>30.5</Left><FontBold>True</FontBold><Top>-20</Top>"
    "<Font>ignored</Font><FontName>黑体</FontName><Left>999</Left><Height>280</Height>"
    "<FontSize>abc</FontSize><Visible>false</Visible><Number>1e400</Number><Empty/></Textbox>";

class ElementRecordReading : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(document_.load_string(kRecord)); }
    pugi::xml_node node() const { return document_.child("Textbox"); }

    pugi::xml_document document_;
    RecordCache cache_;
};

// What the cached texts answer must be what reading the node itself answers.
TEST_F(ElementRecordReading, CachedTextsAnswerAsTheNodeDoes) {
    const ElementRecord plain(node());
    const ElementRecord cached(node(), &cache_.of(node()));
    for (const char* tag : {"Left", "Top", "Width", "Height", "FontName", "Font", "FontSize", "FontBold", "Visible",
                            "Number", "Empty", "Missing", "Fon", "FontBoldX", ""}) {
        SCOPED_TRACE(tag);
        EXPECT_EQ(cached.text(tag, u"-"_qs), plain.text(tag, u"-"_qs));
        EXPECT_EQ(cached.number(tag, 7), plain.number(tag, 7));
        EXPECT_EQ(cached.flag(tag, true), plain.flag(tag, true));
    }
}

TEST_F(ElementRecordReading, TheFirstChildOfANameCountsAndAbsentTagsTakeTheFallback) {
    const ElementRecord record(node(), &cache_.of(node()));
    EXPECT_EQ(record.number("Left"), 30.5);
    EXPECT_EQ(record.integer("Top"), -20);
    EXPECT_EQ(record.text("FontName"), u"黑体"_qs);
    EXPECT_TRUE(record.flag("FontBold", false));
    EXPECT_FALSE(record.flag("Visible", true));
    EXPECT_EQ(record.number("Missing", 9), 9);
    EXPECT_EQ(record.rect(QPointF(100, 200)), QRectF(130.5, 180, 1200, 280));
    EXPECT_EQ(record.font(100).size, 9);  // an unreadable size reads as 0: the new element's 9 points
}

TEST_F(ElementRecordReading, ANodeIsReadOnceARun) {
    EXPECT_EQ(&cache_.of(node()), &cache_.of(node()));
}

}  // namespace
}  // namespace ky
