#include "report/template/elements/check_box_model.h"

#include "report/data/round_half_even.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

// Linear estimates (twips) of the caption font's metrics at size s points,
// so the caption can be sized and placed without a font at hand.
constexpr double kWidthPerPoint = 9.9978296, kWidthBase = 5.1139447;
constexpr double kHeightPerPoint = 19.9981681, kHeightBase = 0.4086773;
double characterWidth(double s) { return kWidthPerPoint * s + kWidthBase; }
double lineHeight(double s) { return kHeightPerPoint * s + kHeightBase; }

// The largest font size at which n bytes of caption fit on one line of the
// element's width and one line of its height.
double fittingFontSize(int n, double width, double height) {
    const double byWidth = (width / n - kWidthBase) / kWidthPerPoint;
    const double byHeight = (height - kHeightBase) / kHeightPerPoint;
    return std::min(byWidth, byHeight);
}

// The lines the caption wraps to: a text that exactly fills whole lines
// needs no extra one. A zero or negative width wraps nothing.
double lineCount(double textWidth, double width) {
    if (width <= 0) return 1;
    const double whole = std::trunc(textWidth / width);
    const bool exact = textWidth >= width && std::fmod(textWidth, width) == 0;
    return exact ? whole : whole + 1;
}

}  // namespace

int multibyteLength(QStringView text) {
    int bytes = 0;
    for (const char32_t codePoint : text.toUcs4()) bytes += codePoint < 0x80 ? 1 : 2;
    return bytes;
}

CheckBoxLayout layoutCheckBoxCaption(const CheckBoxProperties& properties, double width, double height) {
    CheckBoxLayout layout;
    const int n = multibyteLength(properties.Caption);
    double fontSize = properties.FontSize;
    if (properties.AutoCHSize && n > 0) {
        const double fitted = fittingFontSize(n, width, height);
        // Below one point the element is too small to fit anything: keep the font.
        if (fitted >= 1) {
            layout.fittedFontSize = RoundHalfEven(fitted, 1);
            fontSize = *layout.fittedFontSize;
        }
    }

    double captionTop = 0;
    if (properties.AutoCenter) {
        const double block = lineHeight(fontSize) * lineCount(characterWidth(fontSize) * n, width);
        captionTop = block >= height ? 0 : (height - block) / 2;
    }

    constexpr double tick = CheckBoxModel::kTickBoxSize;
    const double captionLeft = properties.ZDuiQi ? tick : 0;
    // The caption takes what the tick box leaves; a check box narrower than
    // the tick box leaves it nothing rather than a negative width.
    const double captionWidth = std::max(width - tick, 0.0);
    layout.caption = QRectF(captionLeft, captionTop, captionWidth, std::max(height - captionTop, 0.0));
    layout.tickBox = QPointF(properties.ZDuiQi ? 0 : width - tick, (height - tick) / 2);
    return layout;
}

CheckBoxModel CheckBoxModel::newElement() {
    // A new check box holds its stored-property defaults; the designer sets
    // the rectangle the user drew right after creating it.
    CheckBoxModel check;
    check.geometry.width = 1200;
    check.geometry.height = 300;
    check.relayout();
    return check;
}

void CheckBoxModel::setAutoCenter(bool value) {
    AutoCenter = value;
    relayout();
}

void CheckBoxModel::setAutoCHSize(bool value) {
    AutoCHSize = value;
    relayout();
}

void CheckBoxModel::setZDuiQi(bool value) {
    ZDuiQi = value;
    relayout();
}

void CheckBoxModel::relayout() {
    layout_ = layoutCheckBoxCaption(*this, geometry.width, geometry.height);
    if (layout_.fittedFontSize) FontSize = *layout_.fittedFontSize;
}

void CheckBoxModel::readFields(RecordReader& record) {
    readFontFields(record, *this);
    AutoCenter = record.requiredFlag("AutoCenter");
    AutoCHSize = record.requiredFlag("AutoCHSize");
    Caption = record.text("Caption");
    HangJu = record.number("HangJu", 0);
    Value = record.requiredInteger("Value");
    ZDuiQi = record.requiredFlag("ZDuiQi");
    DataField = record.text("DataField");
    DataSourceID = record.integer("DataSourceID", 0);
    ForeColor = record.integer("ForeColor", 0);
}

void CheckBoxModel::writeFields(RecordWriter& record) const {
    writeFontFields(record, *this);
    record.flag("AutoCenter", AutoCenter);
    record.flag("AutoCHSize", AutoCHSize);
    record.text("Caption", captionForWriting(Caption));
    record.number("HangJu", HangJu);
    record.integer("Value", Value);
    record.flag("ZDuiQi", ZDuiQi);
    record.text("DataField", DataField);
    record.integer("DataSourceID", DataSourceID);
    record.integer("ForeColor", ForeColor);
}

}  // namespace ky
