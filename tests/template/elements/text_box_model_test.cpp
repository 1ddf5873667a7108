#include "report/template/elements/text_box_model.h"

#include "template/xml_test_support.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <ostream>
#include <utility>
#include <vector>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ky {
namespace {

using namespace Qt::StringLiterals;

QString show(bool value) { return value ? u"True"_s : u"False"_s; }
QString show(int value) { return QString::number(value); }
QString show(double value) { return QString::number(value, 'g', 15); }
QString show(const QString& value) { return value; }
QString show(const StreamPtr& value) { return value ? QString::fromLatin1(value->bytes().toHex()) : u"none"_s; }

using test::childNames;

using Fields = std::vector<std::pair<const char*, const char*>>;

void appendFields(pugi::xml_node record, const Fields& fields) {
    for (const auto& [tag, text] : fields) record.append_child(tag).text().set(text);
}

// A text box record with the geometry and only the tags that have no reading
// default, with values that differ from the stored-property defaults.
void appendRequiredOnly(pugi::xml_node record) {
    appendFields(record, {{"Left", "10"}, {"Top", "20"}, {"Width", "1500"}, {"Height", "400"}, {"FontName", "黑体"},
                          {"FontBold", "True"}, {"FontItalic", "True"}, {"FontUnderline", "True"},
                          {"AutoCHSize", "True"}, {"ZeroIsNull", "True"}});
}

// Every property with its value in a placed element, in one restored without
// the stored entry, and in one read from a record holding only the required
// tags.
struct PropertyRow {
    const char* property;
    std::function<QString(const TextBoxModel&)> value;
    const char16_t* newElement;
    const char16_t* stored;
    const char16_t* reading;  // required tags: the value in the record
};

const std::vector<PropertyRow>& propertyRows() {
    static const std::vector<PropertyRow> rows = {
        {"FontSize", [](const TextBoxModel& m) { return show(m.FontSize); }, u"9", u"9", u"0"},
        {"FontName", [](const TextBoxModel& m) { return show(m.FontName); }, u"宋体", u"宋体", u"黑体"},
        {"FontBold", [](const TextBoxModel& m) { return show(m.FontBold); }, u"False", u"False", u"True"},
        {"FontItalic", [](const TextBoxModel& m) { return show(m.FontItalic); }, u"False", u"False", u"True"},
        {"FontUnderline", [](const TextBoxModel& m) { return show(m.FontUnderline); }, u"False", u"False", u"True"},
        {"Alignment", [](const TextBoxModel& m) { return show(m.Alignment); }, u"2", u"2", u"0"},
        {"VAlignment", [](const TextBoxModel& m) { return show(m.VAlignment); }, u"2", u"2", u"0"},
        // A placed text box shrinks its font to fit; one restored without the entry does not.
        {"AutoCHSize", [](const TextBoxModel& m) { return show(m.AutoCHSize); }, u"True", u"False", u"True"},
        {"DataField", [](const TextBoxModel& m) { return show(m.DataField); }, u"", u"", u""},
        {"DataSourceID", [](const TextBoxModel& m) { return show(m.DataSourceID); }, u"0", u"0", u"0"},
        {"XSWS", [](const TextBoxModel& m) { return show(m.XSWS); }, u"-1", u"-1", u"0"},
        {"XYJG", [](const TextBoxModel& m) { return show(m.XYJG); }, u"0", u"0", u"0"},
        {"ZeroIsNull", [](const TextBoxModel& m) { return show(m.ZeroIsNull); }, u"False", u"False", u"True"},
        {"RPZero", [](const TextBoxModel& m) { return show(m.RPZero); }, u"/", u"/", u""},
        {"Format", [](const TextBoxModel& m) { return show(m.Format); }, u"0", u"0", u"0"},
        {"CusFormat", [](const TextBoxModel& m) { return show(m.CusFormat); }, u"", u"", u""},
        {"HangJu", [](const TextBoxModel& m) { return show(m.HangJu); }, u"0.05", u"0.05", u"0"},
        {"ForeColor", [](const TextBoxModel& m) { return show(m.ForeColor); }, u"0", u"0", u"0"},
        {"SumLX", [](const TextBoxModel& m) { return show(m.SumLX); }, u"", u"", u""},
        {"SumCRSIndex", [](const TextBoxModel& m) { return show(m.SumCRSIndex); }, u"0", u"0", u"0"},
        {"ShowInPage", [](const TextBoxModel& m) { return show(m.ShowInPage); }, u"默认", u"默认", u"默认"},
        // A placed text box prints "/" on the other pages; a restored one nothing.
        {"OtherPageText", [](const TextBoxModel& m) { return show(m.OtherPageText); }, u"/", u"", u""},
        {"BackTrans", [](const TextBoxModel& m) { return show(m.BackTrans); }, u"True", u"True", u"True"},
        {"EditCtlWordBreak", [](const TextBoxModel& m) { return show(m.EditCtlWordBreak); }, u"True", u"True", u"True"},
        {"QRICONStm", [](const TextBoxModel& m) { return show(m.QRICONStm); }, u"none", u"none", u"none"},
        // Placed: 30 percent; a record without the tag: 20.
        {"CenterICONSize", [](const TextBoxModel& m) { return show(m.CenterICONSize); }, u"30", u"20", u"20"},
    };
    return rows;
}

TextBoxModel readTextBox(pugi::xml_node record, const Placement& placement = {}) {
    TextBoxModel box;
    RecordReader reader(record);
    box.read(reader, placement);
    EXPECT_TRUE(reader.ok()) << reader.detail().toStdString();
    return box;
}

pugi::xml_node written(pugi::xml_document& document, const TextBoxModel& box) {
    RecordWriter writer(document.append_child("Textbox"));
    box.write(writer);
    return writer.record();
}

TEST(TextBoxModel, DefaultsOfNewStoredAndReadTextBoxes) {
    pugi::xml_document document;
    pugi::xml_node record = document.append_child("Textbox");
    appendRequiredOnly(record);
    const TextBoxModel fresh = TextBoxModel::newElement();
    const TextBoxModel stored;
    const TextBoxModel read = readTextBox(record);

    test::expectDefaultColumns(propertyRows(), fresh, stored, read);
    EXPECT_EQ(fresh.geometry, (Geometry{0, 0, 1200, 300}));
}

TEST(TextBoxModel, WritesItsFieldsInRecordOrderWithoutAutoCenter) {
    pugi::xml_document document;
    const pugi::xml_node record = written(document, TextBoxModel::newElement());
    EXPECT_EQ(childNames(record),
              u"Left Top Width Height FontSize FontName FontBold FontItalic FontUnderline Alignment VAlignment "
              u"AutoCHSize DataField DataSourceID XSWS XYJG ZeroIsNull RPZero Format CusFormat HangJu ForeColor "
              u"SumLX SumCRSIndex ShowInPage OtherPageText BackTrans EditCtlWordBreak QRICONStm CenterICONSize"_s.split(u' '));
    // No picture: an empty element that still says what it would hold.
    EXPECT_STREQ(record.child("QRICONStm").attribute("dt:dt").value(), "bin.base64");
    EXPECT_STREQ(record.child_value("QRICONStm"), "");
}

TEST(TextBoxModel, WriteThenReadKeepsEveryProperty) {
    TextBoxModel box;
    box.geometry = {567, 283.5, 2000.25, 450};
    box.FontSize = 10.5;
    box.FontName = u"黑体"_s;
    box.FontItalic = true;
    box.Alignment = 0;
    box.VAlignment = 1;
    box.AutoCHSize = true;
    box.DataField = u"[姓名] & \"<先生>\""_s;
    box.DataSourceID = 2;
    box.XSWS = 3;
    box.XYJG = 0.123456789;  // double precision survives
    box.ZeroIsNull = true;
    box.RPZero = u"—"_s;
    box.Format = 5;
    box.CusFormat = u"0.00"_s;
    box.HangJu = 1.5;
    box.ForeColor = 16711680;
    box.SumLX = u"金额！页合计"_s;
    box.SumCRSIndex = u"1"_s;
    box.ShowInPage = u"最后一"_s;
    box.OtherPageText = u"续"_s;
    box.BackTrans = false;
    box.EditCtlWordBreak = false;
    box.QRICONStm = makeStream(QByteArray("GIF89a\x00\x01", 8));
    box.CenterICONSize = 45;

    pugi::xml_document document;
    const TextBoxModel back = readTextBox(written(document, box));
    EXPECT_EQ(back.geometry, box.geometry);
    for (const auto& row : propertyRows()) EXPECT_EQ(row.value(back), row.value(box)) << row.property;
    EXPECT_TRUE(static_cast<const TextBoxProperties&>(back) == box);  // and whatever the table may lack
    ASSERT_TRUE(back.QRICONStm);
    EXPECT_EQ(back.QRICONStm->bytes(), box.QRICONStm->bytes());
}

TEST(TextBoxModel, RoundingIntervalIsWrittenAtDoublePrecision) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0002, "0.0002"},             // offered by the property editor
        {10, "10"},                     // plain, no trailing point
        {0.123456789, "0.123456789"},   // more digits than single precision holds
        {0.00001, "0.00001"},           // never an exponent
    };
    for (const auto& c : cases) {
        TextBoxModel box;
        box.XYJG = c.value;
        pugi::xml_document document;
        EXPECT_STREQ(written(document, box).child_value("XYJG"), c.text);
    }
}

TEST(TextBoxModel, RecordWithoutARequiredTagFailsToLoad) {
    for (const char* tag : {"FontName", "FontBold", "FontItalic", "FontUnderline", "AutoCHSize", "ZeroIsNull"}) {
        SCOPED_TRACE(tag);
        pugi::xml_document document;
        pugi::xml_node record = document.append_child("Textbox");
        appendRequiredOnly(record);
        record.remove_child(tag);
        TextBoxModel box;
        RecordReader reader(record);
        box.read(reader, {});
        EXPECT_FALSE(reader.ok());
        EXPECT_EQ(reader.status().error(), kTemplateLoadError);
    }
}

TEST(TextBoxModel, OldAutoCenterStandsInForAMissingVAlignment) {
    const struct {
        const char* name;
        Fields fields;
        int vAlignment;
    } cases[] = {
        {"old record centred by AutoCenter", {{"AutoCenter", "True"}}, 2},
        {"AutoCenter False leaves the reading default", {{"AutoCenter", "False"}}, 0},
        {"neither tag: the reading default", {}, 0},
        // The old tag only fills the gap; a record that states VAlignment keeps it.
        {"VAlignment present wins", {{"AutoCenter", "True"}, {"VAlignment", "1"}}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pugi::xml_document document;
        pugi::xml_node record = document.append_child("Textbox");
        appendRequiredOnly(record);
        appendFields(record, c.fields);
        const TextBoxModel box = readTextBox(record);
        EXPECT_EQ(box.VAlignment, c.vAlignment);

        // Saved again it states VAlignment and drops the old tag.
        pugi::xml_document again;
        const pugi::xml_node rewritten = written(again, box);
        EXPECT_EQ(QString::fromUtf8(rewritten.child_value("VAlignment")), QString::number(c.vAlignment));
        EXPECT_FALSE(rewritten.child("AutoCenter"));
    }
}

TEST(TextBoxModel, DollarSignsInTheBindingReadAsAmpersands) {
    pugi::xml_document document;
    pugi::xml_node record = document.append_child("Textbox");
    appendRequiredOnly(record);
    appendFields(record, {{"DataField", "[姓]$[名]$\"$\""}});
    const TextBoxModel box = readTextBox(record);
    EXPECT_EQ(box.DataField, u"[姓]&[名]&\"&\""_s);  // every one, even inside quotes

    pugi::xml_document again;
    EXPECT_STREQ(written(again, box).child_value("DataField"), "[姓]&[名]&\"&\"");
}

TEST(TextBoxModel, IsNeverSmallerThanAHundredTwips) {
    const struct {
        const char* name;
        const char* width;
        const char* height;
        Geometry expected;
    } cases[] = {
        {"both too small", "50", "0", {10, 20, 100, 100}},
        {"only the width", "99.5", "2000", {10, 20, 100, 2000}},
        {"exactly the minimum stays", "100", "100", {10, 20, 100, 100}},
        {"unreadable size reads as 0, then raised", "abc", "300", {10, 20, 100, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pugi::xml_document document;
        pugi::xml_node record = document.append_child("Textbox");
        appendRequiredOnly(record);
        record.child("Width").text().set(c.width);
        record.child("Height").text().set(c.height);
        EXPECT_EQ(readTextBox(record).geometry, c.expected);
    }

    // Pasted at the mouse, the position is the offset and the minimum still holds.
    pugi::xml_document document;
    pugi::xml_node record = document.append_child("Textbox");
    appendRequiredOnly(record);
    record.child("Width").text().set("40");
    EXPECT_EQ(readTextBox(record, {300, 600, true}).geometry, (Geometry{300, 600, 100, 400}));

    // Resizing a placed text box applies the same rule.
    TextBoxModel box = TextBoxModel::newElement();
    box.geometry.height = 10;
    box.resized();
    EXPECT_EQ(box.geometry, (Geometry{0, 0, 1200, 100}));
}

TEST(TextBoxModel, CentrePictureTakesItsPercentOfEachSideInTheMiddle) {
    TextBoxModel box = TextBoxModel::newElement();  // 30 percent
    box.geometry = {500, 500, 2000, 1000};
    EXPECT_EQ(box.centerIconRect(), QRectF(700, 350, 600, 300));
}

}  // namespace
}  // namespace ky
