#include "report/template/elements/text_box_model.h"

#include "report/data/decimal.h"

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

// XYJG is the one double-precision field of the record: it is written with
// the fifteen significant digits a double prints with, so an interval typed
// as 0.123456789 survives a save, in plain notation like every number.
QString writeDouble(double value) {
    if (!std::isfinite(value) || value == 0) return QStringLiteral("0");
    const auto decimal = Decimal::parse(QString::number(value, 'g', 15));
    return decimal ? decimal->toString() : QString::number(value, 'f', 0);
}

}  // namespace

TextBoxModel TextBoxModel::newElement() {
    TextBoxModel box;
    box.geometry.width = 1200;
    box.geometry.height = 300;
    // Where a freshly placed text box differs from its stored-property defaults.
    box.AutoCHSize = true;
    box.OtherPageText = QStringLiteral("/");
    box.CenterICONSize = 30;
    return box;
}

void TextBoxModel::resized() {
    geometry.width = std::max(geometry.width, kMinimumSize);
    geometry.height = std::max(geometry.height, kMinimumSize);
}

QRectF TextBoxModel::centerIconRect() const {
    const double width = geometry.width * CenterICONSize / 100;
    const double height = geometry.height * CenterICONSize / 100;
    return {(geometry.width - width) / 2, (geometry.height - height) / 2, width, height};
}

void TextBoxModel::readFields(RecordReader& record) {
    readFontFields(record, *this);
    // Older templates said "centre vertically" with AutoCenter; it only
    // stands in for a missing VAlignment and is never written back.
    VAlignment = record.integer("VAlignment", record.flag("AutoCenter", false) ? 2 : 0);
    AutoCHSize = record.requiredFlag("AutoCHSize");
    // Some templates hold the expression language's "&" (concatenation) as "$".
    DataField = record.text("DataField").replace(u'$', u'&');
    DataSourceID = record.integer("DataSourceID", 0);
    XSWS = record.integer("XSWS", 0);
    XYJG = record.number("XYJG", 0);
    ZeroIsNull = record.requiredFlag("ZeroIsNull");
    RPZero = record.text("RPZero");
    Format = record.integer("Format", 0);
    CusFormat = record.text("CusFormat");
    HangJu = record.number("HangJu", 0);
    ForeColor = record.integer("ForeColor", 0);
    SumLX = record.text("SumLX");
    SumCRSIndex = record.text("SumCRSIndex", QStringLiteral("0"));
    ShowInPage = record.text("ShowInPage", QStringLiteral("默认"));
    OtherPageText = record.text("OtherPageText");
    BackTrans = record.flag("BackTrans", true);
    EditCtlWordBreak = record.flag("EditCtlWordBreak", true);
    QRICONStm = record.stream("QRICONStm");
    CenterICONSize = record.integer("CenterICONSize", 20);
}

void TextBoxModel::writeFields(RecordWriter& record) const {
    writeFontFields(record, *this);
    record.integer("VAlignment", VAlignment);
    record.flag("AutoCHSize", AutoCHSize);
    record.text("DataField", DataField);
    record.integer("DataSourceID", DataSourceID);
    record.integer("XSWS", XSWS);
    record.text("XYJG", writeDouble(XYJG));
    record.flag("ZeroIsNull", ZeroIsNull);
    record.text("RPZero", RPZero);
    record.integer("Format", Format);
    record.text("CusFormat", CusFormat);
    record.number("HangJu", HangJu);
    record.integer("ForeColor", ForeColor);
    record.text("SumLX", SumLX);
    record.text("SumCRSIndex", SumCRSIndex);
    record.text("ShowInPage", ShowInPage);
    record.text("OtherPageText", OtherPageText);
    record.flag("BackTrans", BackTrans);
    record.flag("EditCtlWordBreak", EditCtlWordBreak);
    record.stream("QRICONStm", QRICONStm);
    record.integer("CenterICONSize", CenterICONSize);
}

}  // namespace ky
