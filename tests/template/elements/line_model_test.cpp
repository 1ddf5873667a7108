#include "report/template/elements/line_model.h"

#include <QStringList>

#include "template/xml_test_support.h"

#include <gtest/gtest.h>

namespace ky {
namespace {

using namespace Qt::StringLiterals;

using test::childNames;

LineModel lineOf(double width, double height, int xiexian) {
    LineModel line = LineModel::newElement();
    line.geometry = {0, 0, width, height};
    line.Xiexian = xiexian;
    return line;
}

TEST(LineModel, NewElementsAndRecordsWithoutTheTagsHaveTheirOwnDefaults) {
    const LineModel fresh = LineModel::newElement();
    EXPECT_EQ(fresh.Xiexian, 1);  // falling diagonal
    EXPECT_EQ(fresh.BorderColor, kWindowTextColor);
    EXPECT_EQ(fresh.BorderWidth, 2);
    EXPECT_EQ(fresh.BorderStyle, 1);

    pugi::xml_document document;
    document.load_string("<Line><Left>0</Left><Top>0</Top><Width>2000</Width><Height>2000</Height></Line>");
    RecordReader reader(document.first_child());
    LineModel read;
    read.read(reader, {});
    ASSERT_TRUE(reader.ok());
    EXPECT_EQ(read.Xiexian, 0);
    EXPECT_EQ(read.BorderColor, 0);  // black
    // So a record without Xiexian draws the rising diagonal.
    EXPECT_EQ(read.segment(LineModel::kResizeThreshold), QLineF(2000, 0, 0, 2000));
    // Width and style are not in the record: the stored-property defaults stay.
    EXPECT_EQ(read.BorderWidth, 2);
    EXPECT_EQ(read.BorderStyle, 1);
}

TEST(LineModel, WritesItsFieldsInRecordOrderAndRoundTrips) {
    LineModel line = lineOf(2000, 60, 2);
    line.geometry.left = 300;
    line.BorderColor = 16711680;  // blue
    line.BorderWidth = 5;         // not stored: a reloaded line has the default again

    pugi::xml_document document;
    RecordWriter writer(document.append_child("Line"));
    line.write(writer);
    EXPECT_EQ(childNames(writer.record()), u"Left Top Width Height Xiexian BorderColor"_s.split(u' '));

    RecordReader reader(writer.record());
    LineModel back;
    back.read(reader, {});
    ASSERT_TRUE(reader.ok());
    EXPECT_EQ(back.geometry, line.geometry);
    EXPECT_EQ(back.Xiexian, 2);
    EXPECT_EQ(back.BorderColor, 16711680);
    EXPECT_EQ(back.BorderWidth, 2);
}

TEST(LineModel, TheSegmentFollowsTheRectangleAndXiexian) {
    struct Row {
        const char* name;
        double width, height;
        int xiexian;
        double threshold;
        QLineF segment;
    };
    constexpr double resize = LineModel::kResizeThreshold, xiexian = LineModel::kXiexianThreshold;
    const Row rows[] = {
        {"wide and flat: a rule along the top", 2000, 60, 1, resize, QLineF(0, 0, 2000, 0)},
        {"narrow and tall: a rule along the left", 60, 2000, 1, resize, QLineF(0, 0, 0, 2000)},
        {"Xiexian 1 falls from the top-left corner", 2000, 2000, 1, resize, QLineF(0, 0, 2000, 2000)},
        {"Xiexian 0 rises from the bottom-left corner", 2000, 2000, 0, resize, QLineF(2000, 0, 0, 2000)},
        {"any Xiexian but 1 rises", 2000, 2000, 2, resize, QLineF(2000, 0, 0, 2000)},
        // The threshold must be exceeded, not reached.
        {"exactly the threshold high is flat", 2000, 150, 1, resize, QLineF(0, 0, 2000, 0)},
        {"exactly the threshold wide is upright", 150, 2000, 1, resize, QLineF(0, 0, 0, 2000)},
        // Neither side exceeds the threshold: upright along the left.
        {"small in both directions is upright", 120, 80, 1, resize, QLineF(0, 0, 0, 80)},
        // Between the two thresholds: diagonal after Xiexian changes, upright after a resize.
        {"120 square after Xiexian changes", 120, 120, 1, xiexian, QLineF(0, 0, 120, 120)},
        {"120 square after a resize", 120, 120, 1, resize, QLineF(0, 0, 0, 120)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LineModel::segmentFor(row.width, row.height, row.xiexian, row.threshold), row.segment) << row.name;

    EXPECT_EQ(lineOf(2000, 2000, 1).segment(resize), QLineF(0, 0, 2000, 2000));
}

TEST(LineModel, ResizingRaisesAThinLineInBothDirections) {
    struct Row {
        const char* name;
        double width, height;
        double keptWidth, keptHeight;
    };
    const Row rows[] = {
        {"a flat rule 60 high is left alone", 2000, 60, 2000, 60},
        {"60 square is left alone", 60, 60, 60, 60},
        // 50 or less in one direction: both directions are raised to at least 90.
        {"50 high is raised", 2000, 50, 2000, 90},
        {"40 wide is raised", 40, 2000, 90, 2000},
        {"both sides under 90 are raised", 30, 70, 90, 90},
        {"zero size is raised", 0, 0, 90, 90},
    };
    for (const Row& row : rows) {
        LineModel line = lineOf(row.width, row.height, 1);
        line.resized();
        EXPECT_EQ(line.geometry.width, row.keptWidth) << row.name;
        EXPECT_EQ(line.geometry.height, row.keptHeight) << row.name;
    }
}

}  // namespace
}  // namespace ky
