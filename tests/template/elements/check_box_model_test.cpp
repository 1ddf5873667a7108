#include "report/template/elements/check_box_model.h"

#include "template/xml_test_support.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <ostream>
#include <vector>
#include <optional>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ky {
namespace {

using namespace Qt::StringLiterals;

QString show(bool value) { return value ? u"True"_s : u"False"_s; }
QString show(int value) { return QString::number(value); }
QString show(double value) { return QString::number(value, 'g', 15); }
QString show(const QString& value) { return value; }

using test::childNames;

// A check box record with the geometry and only the tags that have no
// reading default, with values that differ from the stored-property defaults
// where that leaves the font alone (no caption, so AutoCHSize fits nothing).
void appendRequiredOnly(pugi::xml_node record) {
    for (const auto& [tag, text] : {std::pair{"Left", "10"}, {"Top", "20"}, {"Width", "1000"}, {"Height", "300"},
                                    {"FontName", "黑体"}, {"FontBold", "True"}, {"FontItalic", "True"},
                                    {"FontUnderline", "True"}, {"AutoCenter", "False"}, {"AutoCHSize", "True"},
                                    {"Value", "2"}, {"ZDuiQi", "False"}})
        record.append_child(tag).text().set(text);
}

// Every property with its value in a placed element, in one restored without
// the stored entry, and in one read from a record holding only the required
// tags.
struct PropertyRow {
    const char* property;
    std::function<QString(const CheckBoxModel&)> value;
    const char16_t* newElement;
    const char16_t* stored;
    const char16_t* reading;  // required tags: the value in the record
};

const std::vector<PropertyRow>& propertyRows() {
    static const std::vector<PropertyRow> rows = {
        {"FontSize", [](const CheckBoxModel& m) { return show(m.FontSize); }, u"9", u"9", u"0"},
        {"FontName", [](const CheckBoxModel& m) { return show(m.FontName); }, u"宋体", u"宋体", u"黑体"},
        {"FontBold", [](const CheckBoxModel& m) { return show(m.FontBold); }, u"False", u"False", u"True"},
        {"FontItalic", [](const CheckBoxModel& m) { return show(m.FontItalic); }, u"False", u"False", u"True"},
        {"FontUnderline", [](const CheckBoxModel& m) { return show(m.FontUnderline); }, u"False", u"False", u"True"},
        {"Alignment", [](const CheckBoxModel& m) { return show(m.Alignment); }, u"2", u"2", u"0"},
        {"AutoCenter", [](const CheckBoxModel& m) { return show(m.AutoCenter); }, u"True", u"True", u"False"},
        {"AutoCHSize", [](const CheckBoxModel& m) { return show(m.AutoCHSize); }, u"False", u"False", u"True"},
        {"Caption", [](const CheckBoxModel& m) { return show(m.Caption); }, u"复选框", u"复选框", u""},
        {"HangJu", [](const CheckBoxModel& m) { return show(m.HangJu); }, u"0.05", u"0.05", u"0"},
        {"Value", [](const CheckBoxModel& m) { return show(m.Value); }, u"1", u"1", u"2"},
        {"ZDuiQi", [](const CheckBoxModel& m) { return show(m.ZDuiQi); }, u"True", u"True", u"False"},
        {"DataField", [](const CheckBoxModel& m) { return show(m.DataField); }, u"", u"", u""},
        {"DataSourceID", [](const CheckBoxModel& m) { return show(m.DataSourceID); }, u"0", u"0", u"0"},
        {"ForeColor", [](const CheckBoxModel& m) { return show(m.ForeColor); }, u"0", u"0", u"0"},
    };
    return rows;
}

CheckBoxModel readCheckBox(pugi::xml_node record) {
    CheckBoxModel check;
    RecordReader reader(record);
    check.read(reader, {});
    EXPECT_TRUE(reader.ok()) << reader.detail().toStdString();
    return check;
}

void expectNear(const QRectF& actual, const QRectF& expected) {
    EXPECT_NEAR(actual.x(), expected.x(), 1e-6);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-6);
    EXPECT_NEAR(actual.width(), expected.width(), 1e-6);
    EXPECT_NEAR(actual.height(), expected.height(), 1e-6);
}

TEST(CheckBoxModel, DefaultsOfNewStoredAndReadCheckBoxes) {
    pugi::xml_document document;
    pugi::xml_node record = document.append_child("Check");
    appendRequiredOnly(record);
    const CheckBoxModel fresh = CheckBoxModel::newElement();
    const CheckBoxModel stored;
    const CheckBoxModel read = readCheckBox(record);

    test::expectDefaultColumns(propertyRows(), fresh, stored, read);
    EXPECT_EQ(fresh.geometry, (Geometry{0, 0, 1200, 300}));
}

TEST(CheckBoxModel, WritesItsFieldsInRecordOrder) {
    pugi::xml_document document;
    RecordWriter writer(document.append_child("Check"));
    CheckBoxModel::newElement().write(writer);
    EXPECT_EQ(childNames(writer.record()),
              u"Left Top Width Height FontSize FontName FontBold FontItalic FontUnderline Alignment AutoCenter "
              u"AutoCHSize Caption HangJu Value ZDuiQi DataField DataSourceID ForeColor"_s.split(u' '));
}

TEST(CheckBoxModel, WriteThenReadKeepsEveryProperty) {
    CheckBoxModel check;
    check.geometry = {567, 283.5, 2000.25, 450};
    check.FontSize = 10.5;
    check.FontName = u"黑体"_s;
    check.FontBold = true;
    check.FontItalic = true;
    check.Alignment = 0;
    check.AutoCenter = false;
    check.Caption = u"阳性 <+> & \"弱\""_s;
    check.HangJu = 1.5;
    check.Value = 0;
    check.ZDuiQi = false;
    check.DataField = u"IIf([结果]=\"阳性\",1,0)"_s;
    check.DataSourceID = 1;
    check.ForeColor = -2147483640;  // a system colour

    pugi::xml_document document;
    RecordWriter writer(document.append_child("Check"));
    check.write(writer);
    const CheckBoxModel back = readCheckBox(writer.record());
    EXPECT_EQ(back.geometry, check.geometry);
    for (const auto& row : propertyRows()) EXPECT_EQ(row.value(back), row.value(check)) << row.property;
    EXPECT_TRUE(static_cast<const CheckBoxProperties&>(back) == check);  // and whatever the table may lack
}

TEST(CheckBoxModel, RecordWithoutARequiredTagFailsToLoad) {
    for (const char* tag : {"FontName", "FontBold", "FontItalic", "FontUnderline", "AutoCenter", "AutoCHSize", "Value",
                            "ZDuiQi"}) {
        SCOPED_TRACE(tag);
        pugi::xml_document document;
        pugi::xml_node record = document.append_child("Check");
        appendRequiredOnly(record);
        record.remove_child(tag);
        CheckBoxModel check;
        RecordReader reader(record);
        check.read(reader, {});
        EXPECT_FALSE(reader.ok());
        EXPECT_EQ(reader.status().error(), kTemplateLoadError);
    }
}

TEST(CheckBoxModel, CaptionSpacesAreWrittenAsIdeographicSpace) {
    CheckBoxModel check;
    check.Caption = u"阴性  (-)"_s;
    pugi::xml_document document;
    RecordWriter writer(document.append_child("Check"));
    check.write(writer);
    EXPECT_EQ(QString::fromUtf8(writer.record().child_value("Caption")), u"阴性\u3000(-)"_s);
}

TEST(CheckBoxModel, CaptionLengthCountsCodePageBytes) {
    const struct {
        const char16_t* text;
        int bytes;
    } cases[] = {
        {u"", 0},
        {u"OK", 2},            // ASCII: one byte each
        {u"复选框", 6},        // CJK: two each
        {u"a复", 3},
        {u"\u007f\u0080", 3},  // the boundary: 0x7F is one byte, 0x80 two
        {u"\U0001F600", 2},    // one code point, though two UTF-16 units
    };
    for (const auto& c : cases) EXPECT_EQ(multibyteLength(QStringView(c.text)), c.bytes) << c.bytes;
}

// Character metrics at 9 points, which most rows use (twips):
// line height 19.9981681 * 9 + 0.4086773 = 180.3921902; the caption "复选框"
// (6 bytes) is (9.9978296 * 9 + 5.1139447) * 6 = 570.5664666 wide.
TEST(CheckBoxModel, CaptionLayout) {
    constexpr double kLine9 = 180.3921902, kCaption9 = 570.5664666;
    const struct {
        const char* name;
        double width, height;
        const char16_t* caption;
        bool autoCenter, autoCHSize, zDuiQi;
        QRectF caption_;
        QPointF tickBox;
        std::optional<double> fitted;
    } cases[] = {
        {"tick box at the right edge: caption keeps W - 200", 1000, 300, u"复选框", false, false, false,
         {0, 0, 800, 300}, {800, 50}, {}},
        {"tick box at the left edge: caption beside it", 1000, 300, u"复选框", false, false, true,
         {200, 0, 800, 300}, {0, 50}, {}},
        {"narrower than the tick box: no negative caption", 150, 300, u"复选框", false, false, false,
         {0, 0, 0, 300}, {-50, 50}, {}},
        {"centred: one line in the middle", 1000, 600, u"复选框", true, false, false,
         {0, (600 - kLine9) / 2, 800, 600 - (600 - kLine9) / 2}, {800, 200}, {}},
        {"centred: the caption wraps to two lines", 300, 600, u"复选框", true, false, false,
         {0, (600 - 2 * kLine9) / 2, 100, 600 - (600 - 2 * kLine9) / 2}, {100, 200}, {}},
        {"centred: a caption exactly one line wide needs no second", kCaption9, 600, u"复选框", true, false, false,
         {0, (600 - kLine9) / 2, kCaption9 - 200, 600 - (600 - kLine9) / 2}, {kCaption9 - 200, 200}, {}},
        {"centred: a block taller than the element starts at the top", 1000, 150, u"复选框", true, false, false,
         {0, 0, 800, 150}, {800, -25}, {}},
        {"centred: an empty caption still counts one line", 1000, 600, u"", true, false, false,
         {0, (600 - kLine9) / 2, 800, 600 - (600 - kLine9) / 2}, {800, 200}, {}},
        // (600 / 6 - 5.1139447) / 9.9978296 = 9.4907 beats (600 - 0.4086773) / 19.9981681 = 29.98.
        {"fitted by width", 600, 600, u"复选框", false, true, true, {200, 0, 400, 600}, {0, 200}, 9.5},
        // (300 - 0.4086773) / 19.9981681 = 14.9809 beats the width's 99.5.
        {"fitted by height", 6000, 300, u"复选框", false, true, true, {200, 0, 5800, 300}, {0, 50}, 15.0},
        // ASCII counts one byte: (6000 / 2 - 5.1139447) / 9.9978296 = 299.55; three bytes give 199.53.
        {"two ASCII bytes", 6000, 6000, u"OK", false, true, true, {200, 0, 5800, 6000}, {0, 2900}, 299.6},
        {"one ASCII and one CJK: three bytes", 6000, 6000, u"a复", false, true, true, {200, 0, 5800, 6000},
         {0, 2900}, 199.5},
        // (60 / 6 - 5.1139447) / 9.9978296 = 0.489: below one point, the font stays.
        {"fit below one point is ignored", 60, 600, u"复选框", false, true, true, {200, 0, 0, 600}, {0, 200}, {}},
        {"an empty caption is not fitted", 600, 600, u"", false, true, true, {200, 0, 400, 600}, {0, 200}, {}},
        // Centring uses the fitted 9.5 points: the caption is 600.56 wide in 600, so two lines of 190.39.
        {"fitted, then centred with the fitted size", 600, 600, u"复选框", true, true, false,
         {0, 109.60872575, 400, 600 - 109.60872575}, {400, 200}, 9.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CheckBoxProperties properties;
        properties.Caption = QString::fromUtf16(c.caption);
        properties.AutoCenter = c.autoCenter;
        properties.AutoCHSize = c.autoCHSize;
        properties.ZDuiQi = c.zDuiQi;
        const CheckBoxLayout layout = layoutCheckBoxCaption(properties, c.width, c.height);
        expectNear(layout.caption, c.caption_);
        EXPECT_NEAR(layout.tickBox.x(), c.tickBox.x(), 1e-6);
        EXPECT_NEAR(layout.tickBox.y(), c.tickBox.y(), 1e-6);
        EXPECT_EQ(layout.fittedFontSize, c.fitted);
    }
}

TEST(CheckBoxModel, LayoutFollowsReadingResizingAndTheThreeLayoutProperties) {
    // A stored check box 1000 wide with its tick box on the right.
    pugi::xml_document document;
    pugi::xml_node record = document.append_child("Check");
    appendRequiredOnly(record);
    CheckBoxModel check = readCheckBox(record);
    expectNear(check.layout().caption, {0, 0, 800, 300});
    EXPECT_EQ(check.layout().tickBox, QPointF(800, 50));

    check.setZDuiQi(true);
    EXPECT_EQ(check.layout().tickBox, QPointF(0, 50));

    check.geometry.width = 2000;
    check.resized();
    expectNear(check.layout().caption, {200, 0, 1800, 300});

    // Fitting changes the font itself, so it is written with the record.
    check.Caption = u"复选框"_s;
    check.FontSize = 9;
    check.setAutoCHSize(false);
    EXPECT_EQ(check.FontSize, 9);
    check.setAutoCHSize(true);
    EXPECT_EQ(check.FontSize, 15.0);  // the height limits: (300 - 0.4086773) / 19.9981681 = 14.98

    // One 15-point line is 19.9981681 * 15 + 0.4086773 = 300.38 high, more
    // than the element: the caption starts at the top.
    check.setAutoCenter(true);
    EXPECT_EQ(check.layout().caption.top(), 0);
    check.geometry.height = 400;
    check.resized();  // refits to (400 - 0.4086773) / 19.9981681 = 19.98 -> 20 points, 400.37 high
    EXPECT_EQ(check.FontSize, 20.0);
    EXPECT_EQ(check.layout().caption.top(), 0);
}

}  // namespace
}  // namespace ky
