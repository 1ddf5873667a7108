#include "report/template/elements/label_model.h"

namespace ky {

LabelModel LabelModel::newElement() {
    // A new label holds its stored-property defaults; the designer sets the
    // rectangle the user drew right after creating it.
    LabelModel label;
    label.geometry.width = 1200;
    label.geometry.height = 300;
    return label;
}

void LabelModel::readFields(RecordReader& record) {
    readFontFields(record, *this);
    AutoCenter = record.requiredFlag("AutoCenter");
    AutoCHSize = record.requiredFlag("AutoCHSize");
    Caption = record.text("Caption");
    HangJu = record.number("HangJu", 0);
    ForeColor = record.integer("ForeColor", 0);
    BackTrans = record.flag("BackTrans", true);
}

void LabelModel::writeFields(RecordWriter& record) const {
    writeFontFields(record, *this);
    record.flag("AutoCenter", AutoCenter);
    record.flag("AutoCHSize", AutoCHSize);
    record.text("Caption", captionForWriting(Caption));
    record.number("HangJu", HangJu);
    record.integer("ForeColor", ForeColor);
    record.flag("BackTrans", BackTrans);
}

}  // namespace ky
