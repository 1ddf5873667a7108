#include "report/template/elements/box_model.h"
#include "report/template/dom_helpers.h"

#include <QStringList>

#include "template/xml_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace ky {
namespace {

using namespace Qt::StringLiterals;

using Lines = std::vector<double>;

using test::childNames;

// Reads a Box record given as XML; the reader's state tells whether it loaded.
struct ReadBox {
    pugi::xml_document document;
    BoxModel box;
    bool ok = false;

    explicit ReadBox(const char* xml) {
        EXPECT_TRUE(document.load_string(xml)) << xml;
        RecordReader reader(document.first_child());
        box.read(reader, {});
        ok = reader.ok();
    }
};

BoxModel boxOf(double width, double height) {
    BoxModel box = BoxModel::newElement();
    box.geometry = {0, 0, width, height};
    return box;
}

TEST(BoxModel, NewElementsAndRecordsWithoutTheTagsHaveTheirOwnDefaults) {
    struct Row {
        const char* property;
        std::function<int(const BoxModel&)> get;
        int newElement;  // the stored-property default
        int absentTag;   // the reading default
    };
    const Row rows[] = {
        // A new box draws two-pixel window-text borders; a record without the tags reads one-pixel black ones.
        {"BorderWidth", [](const BoxModel& b) { return b.BorderWidth; }, 2, 1},
        {"BorderColor", [](const BoxModel& b) { return b.BorderColor; }, kWindowTextColor, 0},
        {"BorderStyle", [](const BoxModel& b) { return b.BorderStyle; }, 1, 1},  // not in the record: stays solid
        {"RCWidth", [](const BoxModel& b) { return b.RCWidth; }, 1, 1},
        {"Rows", [](const BoxModel& b) { return b.rows(); }, 1, 1},
        {"Cols", [](const BoxModel& b) { return b.cols(); }, 1, 1},
        {"PrintBox", [](const BoxModel& b) { return int(b.printBox()); }, 1, 1},
        {"ShowLeftBolder", [](const BoxModel& b) { return int(b.ShowLeftBolder); }, 1, 1},
        {"ShowTopBolder", [](const BoxModel& b) { return int(b.ShowTopBolder); }, 1, 1},
        {"ShowRightBolder", [](const BoxModel& b) { return int(b.ShowRightBolder); }, 1, 1},
        {"ShowBottomBolder", [](const BoxModel& b) { return int(b.ShowBottomBolder); }, 1, 1},
    };
    const BoxModel fresh = BoxModel::newElement();
    const ReadBox bare("<Box><Left>0</Left><Top>0</Top><Width>1500</Width><Height>900</Height></Box>");
    ASSERT_TRUE(bare.ok);
    for (const Row& row : rows) {
        EXPECT_EQ(row.get(fresh), row.newElement) << row.property;
        EXPECT_EQ(row.get(bare.box), row.absentTag) << row.property;
    }
    EXPECT_EQ(bare.box.rowHeightText(), QString());
    EXPECT_EQ(bare.box.colWidthText(), QString());
}

TEST(BoxModel, WritesItsFieldsInRecordOrder) {
    pugi::xml_document document;
    RecordWriter writer(document.append_child("Box"));
    boxOf(1500, 900).write(writer);
    EXPECT_EQ(childNames(writer.record()), u"Left Top Width Height BorderWidth BorderColor RCWidth Rows Cols RowHeight "
                                           u"ColWidth PrintBox ShowLeftBolder ShowTopBolder ShowRightBolder "
                                           u"ShowBottomBolder"_s.split(u' '));
}

TEST(BoxModel, AGridWithDraggedLinesRoundTrips) {
    BoxModel box = boxOf(3000, 900);
    box.geometry.left = 150;
    box.geometry.top = 450;
    box.BorderWidth = 3;
    box.BorderColor = 255;
    box.RCWidth = 2;
    box.setRows(3);
    box.setCols(4);
    box.setRowHeight(u"270;645"_s);  // dragged off the even spacing
    box.PrintBox = false;
    box.setShowBolder(BoxSide::Right, false);

    pugi::xml_document document;
    RecordWriter writer(document.append_child("Box"));
    box.write(writer);
    EXPECT_EQ(GetChildText(writer.record(), u"RowHeight"_s, {}), u"270;645"_s);
    EXPECT_EQ(GetChildText(writer.record(), u"ColWidth"_s, {}), u"750;1500;2250"_s);

    RecordReader reader(writer.record());
    BoxModel back;
    back.read(reader, {});
    ASSERT_TRUE(reader.ok()) << reader.detail().toStdString();
    EXPECT_EQ(back.geometry, box.geometry);
    EXPECT_EQ(back.rowLines, box.rowLines);
    EXPECT_EQ(back.colLines, box.colLines);
    EXPECT_EQ(back.BorderWidth, 3);
    EXPECT_EQ(back.BorderColor, 255);
    EXPECT_EQ(back.RCWidth, 2);
    EXPECT_FALSE(back.printBox());
    EXPECT_FALSE(back.ShowRightBolder);
    EXPECT_TRUE(back.ShowLeftBolder);
}

TEST(BoxModel, SettingRowsSpacesTheLinesAtAPitchOfWholePixels) {
    struct Row {
        const char* name;
        double height;
        int rows;
        Lines lines;
        const char* text;
    };
    const Row rows[] = {
        {"900 / 3 is already whole pixels", 900, 3, {300, 600}, "300;600"},
        // 1000 / 3 rounds to 333 twips, 333 / 15 to 22 pixels: a pitch of 330.
        {"1000 / 3 snaps down to 330", 1000, 3, {330, 660}, "330;660"},
        // 2025 / 2 = 1012.5 rounds half to even to 1012 (not 1013), 1012 / 15 = 67.47 to 67 pixels.
        {"a half twip rounds to even", 2025, 2, {1005}, "1005"},
        {"one row has no lines", 900, 1, {}, ""},
        // 999 lines over 900 twips: the pitch rounds to 0 and every line sits on the top edge.
        {"999 rows are allowed", 900, 999, Lines(998, 0.0), nullptr},
    };
    for (const Row& row : rows) {
        BoxModel box = boxOf(1500, row.height);
        box.setRows(row.rows);
        EXPECT_EQ(box.rowLines, row.lines) << row.name;
        EXPECT_EQ(box.rows(), row.rows) << row.name;
        if (row.text) {
            EXPECT_EQ(box.rowHeightText(), QString::fromUtf8(row.text)) << row.name;
        }
    }
}

TEST(BoxModel, RowsAndColsOutsideTheRangeAreIgnored) {
    BoxModel box = boxOf(1500, 900);
    box.setRows(3);
    box.setCols(2);
    for (int outside : {0, -1, 1000}) {
        box.setRows(outside);
        box.setCols(outside);
    }
    EXPECT_EQ(box.rowLines, Lines({300, 600}));
    EXPECT_EQ(box.colLines, Lines({750}));
}

TEST(BoxModel, SettingColsDividesTheWidth) {
    BoxModel box = boxOf(1000, 900);
    box.setCols(3);
    EXPECT_EQ(box.colLines, Lines({330, 660}));
    EXPECT_TRUE(box.rowLines.empty());
}

TEST(BoxModel, RowHeightTextMovesTheExistingLinesInOrder) {
    struct Row {
        const char* name;
        int rows;  // over a 1200-twip box: lines at 300, 600, 900
        const char* text;
        Lines lines;
    };
    const Row rows[] = {
        {"one entry per line", 4, "100;500;1000", {100, 500, 1000}},
        {"extra entries are ignored", 3, "100;200;300;400", {100, 200}},
        {"lines without an entry stay", 4, "50", {50, 600, 900}},
        {"entries are read leniently; unreadable ones are 0", 4, "abc;250x; 700", {0, 250, 700}},
        {"a trailing separator is an empty entry, read as 0", 4, "100;", {100, 0, 900}},
        {"an empty text has no entries", 4, "", {300, 600, 900}},
        {"offsets need not be whole", 3, "312.5;600", {312.5, 600}},
    };
    for (const Row& row : rows) {
        BoxModel box = boxOf(1500, 1200);
        box.setRows(row.rows);
        box.setRowHeight(QString::fromUtf8(row.text));
        EXPECT_EQ(box.rowLines, row.lines) << row.name;
    }
}

TEST(BoxModel, ColWidthTextMovesTheColumnLines) {
    BoxModel box = boxOf(1500, 900);
    box.setCols(3);
    box.setColWidth(u"200;1400"_s);
    EXPECT_EQ(box.colLines, Lines({200, 1400}));
    EXPECT_EQ(box.colWidthText(), u"200;1400"_s);
    EXPECT_EQ(box.rowHeightText(), QString());
}

TEST(BoxModel, ReadingSpacesTheGridBeforeMovingItsLines) {
    struct Row {
        const char* name;
        const char* fields;  // after a 1500 × 900 geometry
        Lines rowLines;
        Lines colLines;
    };
    const Row rows[] = {
        {"Rows alone spaces evenly", "<Rows>3</Rows>", {300, 600}, {}},
        {"stored offsets move the lines",
         "<Rows>3</Rows><Cols>2</Cols><RowHeight>200;700</RowHeight><ColWidth>900</ColWidth>", {200, 700}, {900}},
        // Offsets need lines to move: without Rows there are none.
        {"offsets without Rows move nothing", "<RowHeight>200;700</RowHeight>", {}, {}},
        {"a Rows outside the range leaves one row", "<Rows>1000</Rows>", {}, {}},
        {"an offset beyond the box lands on its edge", "<Rows>2</Rows><RowHeight>5000</RowHeight>", {900}, {}},
    };
    for (const Row& row : rows) {
        const QByteArray xml = QByteArray("<Box><Left>0</Left><Top>0</Top><Width>1500</Width><Height>900</Height>") +
                               row.fields + "</Box>";
        const ReadBox read(xml.constData());
        ASSERT_TRUE(read.ok) << row.name;
        EXPECT_EQ(read.box.rowLines, row.rowLines) << row.name;
        EXPECT_EQ(read.box.colLines, row.colLines) << row.name;
    }
}

TEST(BoxModel, ReadingSizesTheBoxBeforeSpacingItsGrid) {
    // 50 twips is raised to 90 first, so two rows split 90 (pitch 45), not 50 (pitch 30).
    const ReadBox read("<Box><Left>0</Left><Top>0</Top><Width>1500</Width><Height>50</Height><Rows>2</Rows></Box>");
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.box.geometry.height, 90);
    EXPECT_EQ(read.box.rowLines, Lines({45}));
}

TEST(BoxModel, DistributingRowsMakesTheBoxAWholeNumberOfPitches) {
    BoxModel box = boxOf(1500, 1000);
    box.setRows(3);
    box.setRowHeight(u"100;900"_s);
    box.distributeRows();
    EXPECT_EQ(box.geometry.height, 990);  // 3 × 330
    EXPECT_EQ(box.rowLines, Lines({330, 660}));

    box.setCols(2);
    box.setColWidth(u"200"_s);
    box.distributeCols();
    EXPECT_EQ(box.geometry.width, 1500);
    EXPECT_EQ(box.colLines, Lines({750}));
}

TEST(BoxModel, DistributingManyRowsInASmallBoxKeepsTheMinimumSize) {
    // 90 / 13 = 6.9 rounds to 7 twips, 7 / 15 = 0.47 to 0 pixels: the box would vanish, so the size
    // rule raises it again and every line sits on the top edge.
    BoxModel box = boxOf(1500, 90);
    box.setRows(13);
    box.distributeRows();
    EXPECT_EQ(box.geometry.height, 90);
    EXPECT_EQ(box.rowLines, Lines(12, 0.0));
}

TEST(BoxModel, ResizingKeepsTheSizeOnWholePixelsAndAtLeast90) {
    struct Row {
        const char* name;
        double asked;
        double kept;
    };
    const Row rows[] = {
        {"whole pixels stay", 1500, 1500},
        {"below the minimum is raised", 40, 90},
        {"zero is raised", 0, 90},
        {"rounds down to the nearer pixel", 1007, 1005},
        {"rounds up to the nearer pixel", 1000, 1005},
        // 97 / 15 = 6.47 rounds to 6 pixels: the minimum applies before the rounding, so 90.
        {"just above the minimum", 97, 90},
        // 1012.5 / 15 = 67.5 and 1027.5 / 15 = 68.5 both round to the even 68 pixels.
        {"half a pixel rounds to even (up)", 1012.5, 1020},
        {"half a pixel rounds to even (down)", 1027.5, 1020},
    };
    for (const Row& row : rows) {
        BoxModel box = boxOf(row.asked, row.asked);
        box.resized();
        EXPECT_EQ(box.geometry.width, row.kept) << row.name;
        EXPECT_EQ(box.geometry.height, row.kept) << row.name;
    }
}

TEST(BoxModel, ShrinkingMovesLinesBeyondTheNewEdgeOntoIt) {
    BoxModel box = boxOf(900, 900);
    box.setRows(3);
    box.setCols(3);
    box.geometry.height = 450;
    box.geometry.width = 600;
    box.resized();
    EXPECT_EQ(box.rowLines, Lines({300, 450}));
    EXPECT_EQ(box.colLines, Lines({300, 600}));  // 600 was already on the new edge
    EXPECT_EQ(box.rowHeightText(), u"300;450"_s);
    EXPECT_EQ(box.rows(), 3);  // the line is kept, not dropped
}

TEST(BoxModel, ShrinkingComparesLinesWithTheFinalSize) {
    // Asked 97 high: the box becomes 90, so a line at 95 must land on 90, not stay at 95.
    BoxModel box = boxOf(1500, 900);
    box.setRows(2);
    box.setRowHeight(u"95"_s);
    box.geometry.height = 97;
    box.resized();
    EXPECT_EQ(box.rowLines, Lines({90}));
}

TEST(BoxModel, ABoxWithoutInnerLinesShowsEverySide) {
    BoxModel box = boxOf(1500, 900);
    for (BoxSide side : {BoxSide::Left, BoxSide::Top, BoxSide::Right, BoxSide::Bottom}) {
        box.setShowBolder(side, false);
        EXPECT_TRUE(box.showBolder(side)) << int(side);
    }

    box.setRows(2);
    box.setShowBolder(BoxSide::Top, false);
    EXPECT_FALSE(box.ShowTopBolder);
    EXPECT_TRUE(box.ShowLeftBolder);

    // A record without inner lines cannot hide a side either.
    const ReadBox read("<Box><Left>0</Left><Top>0</Top><Width>1500</Width><Height>900</Height>"
                       "<ShowLeftBolder>False</ShowLeftBolder></Box>");
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.box.ShowLeftBolder);
}

TEST(BoxModel, ABoxWithoutInnerLinesIsAlwaysPrinted) {
    BoxModel box = boxOf(1500, 900);
    box.PrintBox = false;
    EXPECT_TRUE(box.printBox());
    box.setCols(2);
    EXPECT_FALSE(box.printBox());
}

TEST(BoxModel, BorderLinesSitOnTheEdgesAndAllowForThePenWidth) {
    struct Row {
        const char* name;
        int borderWidth;
        std::array<QLineF, 4> lines;  // left, top, right, bottom
    };
    const Row rows[] = {
        // One pixel: right and bottom one pixel (15 twips) inside the 1500 × 900 box.
        {"one pixel", 1,
         {QLineF(0, 0, 0, 900), QLineF(0, 0, 1500, 0), QLineF(1485, 0, 1485, 900), QLineF(0, 885, 1500, 885)}},
        // Three pixels: every line ends two pixels (30 twips) early so the pen stays inside.
        {"three pixels", 3,
         {QLineF(0, 0, 0, 870), QLineF(0, 0, 1470, 0), QLineF(1485, 0, 1485, 870), QLineF(0, 885, 1470, 885)}},
        {"a width below one counts as one", 0,
         {QLineF(0, 0, 0, 900), QLineF(0, 0, 1500, 0), QLineF(1485, 0, 1485, 900), QLineF(0, 885, 1500, 885)}},
    };
    for (const Row& row : rows) {
        BoxModel box = boxOf(1500, 900);
        box.BorderWidth = row.borderWidth;
        const auto lines = box.borderLines();
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(lines[i].segment, row.lines[i]) << row.name << " line " << i;
            EXPECT_TRUE(lines[i].visible);
        }
    }

    BoxModel grid = boxOf(1500, 900);
    grid.setRows(2);
    grid.setShowBolder(BoxSide::Bottom, false);
    const auto lines = grid.borderLines();
    EXPECT_TRUE(lines[size_t(BoxSide::Top)].visible);
    EXPECT_FALSE(lines[size_t(BoxSide::Bottom)].visible);
}

}  // namespace
}  // namespace ky
