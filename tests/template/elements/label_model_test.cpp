#include "report/template/elements/label_model.h"

#include "template/xml_test_support.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <ostream>
#include <vector>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ky {
namespace {

using namespace Qt::StringLiterals;

QString show(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
QString show(int value) { return QString::number(value); }
QString show(double value) { return QString::number(value, 'g', 15); }
QString show(const QString& value) { return value; }

using test::childNames;

// A label record with the geometry and only the tags that have no reading
// default, with values that differ from the stored-property defaults.
void appendRequiredOnly(pugi::xml_node record) {
    for (const auto& [tag, text] : {std::pair{"Left", "10"}, {"Top", "20"}, {"Width", "1500"}, {"Height", "400"},
                                    {"FontName", "黑体"}, {"FontBold", "True"}, {"FontItalic", "True"},
                                    {"FontUnderline", "True"}, {"AutoCenter", "False"}, {"AutoCHSize", "True"}})
        record.append_child(tag).text().set(text);
}

// Every property with its value in a placed element, in one restored without
// the stored entry, and in one read from a record holding only the required
// tags.
struct PropertyRow {
    const char* property;
    std::function<QString(const LabelModel&)> value;
    const char16_t* newElement;
    const char16_t* stored;
    const char16_t* reading;  // required tags: the value in the record
};

const std::vector<PropertyRow>& propertyRows() {
    static const std::vector<PropertyRow> rows = {
        {"FontSize", [](const LabelModel& m) { return show(m.FontSize); }, u"9", u"9", u"0"},
        {"FontName", [](const LabelModel& m) { return show(m.FontName); }, u"宋体", u"宋体", u"黑体"},
        {"FontBold", [](const LabelModel& m) { return show(m.FontBold); }, u"False", u"False", u"True"},
        {"FontItalic", [](const LabelModel& m) { return show(m.FontItalic); }, u"False", u"False", u"True"},
        {"FontUnderline", [](const LabelModel& m) { return show(m.FontUnderline); }, u"False", u"False", u"True"},
        {"Alignment", [](const LabelModel& m) { return show(m.Alignment); }, u"2", u"2", u"0"},
        {"AutoCenter", [](const LabelModel& m) { return show(m.AutoCenter); }, u"True", u"True", u"False"},
        {"AutoCHSize", [](const LabelModel& m) { return show(m.AutoCHSize); }, u"False", u"False", u"True"},
        {"Caption", [](const LabelModel& m) { return show(m.Caption); }, u"标签", u"标签", u""},
        {"HangJu", [](const LabelModel& m) { return show(m.HangJu); }, u"0.05", u"0.05", u"0"},
        {"ForeColor", [](const LabelModel& m) { return show(m.ForeColor); }, u"0", u"0", u"0"},
        {"BackTrans", [](const LabelModel& m) { return show(m.BackTrans); }, u"True", u"True", u"True"},
        // Not in the record: a label read from a template is centred vertically.
        {"VAlignment", [](const LabelModel& m) { return show(m.VAlignment); }, u"2", u"2", u"2"},
    };
    return rows;
}

LabelModel readLabel(pugi::xml_node record, const Placement& placement = {}) {
    LabelModel label;
    RecordReader reader(record);
    label.read(reader, placement);
    EXPECT_TRUE(reader.ok()) << reader.detail().toStdString();
    return label;
}

TEST(LabelModel, DefaultsOfNewStoredAndReadLabels) {
    pugi::xml_document document;
    pugi::xml_node record = document.append_child("Label");
    appendRequiredOnly(record);
    const LabelModel fresh = LabelModel::newElement();
    const LabelModel stored;
    const LabelModel read = readLabel(record);

    test::expectDefaultColumns(propertyRows(), fresh, stored, read);
    EXPECT_EQ(fresh.geometry, (Geometry{0, 0, 1200, 300}));
}

TEST(LabelModel, WritesItsFieldsInRecordOrderWithoutVAlignment) {
    pugi::xml_document document;
    RecordWriter writer(document.append_child("Label"));
    LabelModel::newElement().write(writer);
    EXPECT_EQ(childNames(writer.record()),
              u"Left Top Width Height FontSize FontName FontBold FontItalic FontUnderline Alignment AutoCenter "
              u"AutoCHSize Caption HangJu ForeColor BackTrans"_s.split(u' '));
}

TEST(LabelModel, WriteThenReadKeepsEveryRecordedProperty) {
    LabelModel label;
    label.geometry = {567, 283.5, 2000.25, 450};
    label.FontSize = 10.5;
    label.FontName = QStringLiteral("黑体");
    label.FontBold = true;
    label.FontUnderline = true;
    label.Alignment = 1;
    label.AutoCenter = false;
    label.AutoCHSize = true;
    label.Caption = QStringLiteral("检验报告 <单> & \"签名\"");  // escaped by the DOM
    label.HangJu = 1.5;
    label.ForeColor = 255;
    label.BackTrans = false;

    pugi::xml_document document;
    RecordWriter writer(document.append_child("Label"));
    label.write(writer);
    const LabelModel back = readLabel(writer.record());
    EXPECT_EQ(back.geometry, label.geometry);
    for (const auto& row : propertyRows()) EXPECT_EQ(row.value(back), row.value(label)) << row.property;
    EXPECT_TRUE(static_cast<const LabelProperties&>(back) == label);  // and whatever the table may lack

    // The one property the record does not carry: a reload centres again.
    label.VAlignment = 0;
    pugi::xml_document again;
    RecordWriter secondWriter(again.append_child("Label"));
    label.write(secondWriter);
    EXPECT_EQ(readLabel(secondWriter.record()).VAlignment, 2);
}

TEST(LabelModel, RecordWithoutARequiredTagFailsToLoad) {
    for (const char* tag : {"FontName", "FontBold", "FontItalic", "FontUnderline", "AutoCenter", "AutoCHSize"}) {
        SCOPED_TRACE(tag);
        pugi::xml_document document;
        pugi::xml_node record = document.append_child("Label");
        appendRequiredOnly(record);
        record.remove_child(tag);
        LabelModel label;
        RecordReader reader(record);
        label.read(reader, {});
        EXPECT_FALSE(reader.ok());
        EXPECT_EQ(reader.status().error(), kTemplateLoadError);
    }
}

TEST(LabelModel, PlacementMovesTheStoredPosition) {
    pugi::xml_document document;
    pugi::xml_node record = document.append_child("Label");
    appendRequiredOnly(record);  // stored at (10, 20), 1500 x 400
    const struct {
        const char* name;
        Placement placement;
        Geometry expected;
    } cases[] = {
        {"template load: as stored", {}, {10, 20, 1500, 400}},
        {"paste keeping the layout: stored minus the copied block's corner", {5, 30, false}, {5, -10, 1500, 400}},
        {"paste at the mouse: the offset itself", {700, 800, true}, {700, 800, 1500, 400}},
    };
    for (const auto& c : cases) EXPECT_EQ(readLabel(record, c.placement).geometry, c.expected) << c.name;

    // Copying writes the position plus the offset.
    LabelModel label;
    label.geometry = {100, 200, 300, 400};
    pugi::xml_document copy;
    RecordWriter writer(copy.append_child("Label"));
    label.write(writer, 50, -25);
    EXPECT_STREQ(writer.record().child_value("Left"), "150");
    EXPECT_STREQ(writer.record().child_value("Top"), "175");
}

TEST(LabelModel, CaptionSpacesAreWrittenAsIdeographicSpaceAndReadAsStored) {
    LabelModel label;
    label.Caption = QStringLiteral("姓名  性别   年龄");
    pugi::xml_document document;
    RecordWriter writer(document.append_child("Label"));
    label.write(writer);
    // Two spaces become U+3000; of three, the third stays an ASCII space.
    EXPECT_EQ(QString::fromUtf8(writer.record().child_value("Caption")), QStringLiteral("姓名\u3000性别\u3000 年龄"));
    // Reading does not turn the ideographic space back.
    EXPECT_EQ(readLabel(writer.record()).Caption, QStringLiteral("姓名\u3000性别\u3000 年龄"));
}

}  // namespace
}  // namespace ky
