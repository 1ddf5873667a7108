#include "report/engine/fill/element_printers.h"

#include "report/engine/fill/element_record.h"
#include "report/engine/fill/expression_preparation.h"
#include "report/engine/fill/expression_text.h"
#include "report/engine/render/element_renderers.h"

namespace ky {

namespace {

constexpr double kTwipsPerCentimetre = 567;

// Data source 0 binds to the main record set, any other to the container's.
RpdRecordSetPtr boundRecordSet(const FillContext& context, const ElementRecord& element, const RpdRecordSetPtr& records) {
    return element.number("DataSourceID") == 0 ? context.data.MainRecordSet() : records;
}

QByteArray fieldBytes(const RpdRecordSetPtr& entry, const QString& field) {
    if (atEnd(entry) || entry->recordSet()->isBof()) return {};
    const Value value = currentValue(*entry->recordSet(), field);
    const QByteArray* bytes = value.get<QByteArray>();
    return bytes ? *bytes : QByteArray();
}

}  // namespace

void PrintImages(FillContext& context, pugi::xml_node controls, const RpdRecordSetPtr& records, QPointF origin) {
    forEachRecord(context.records, controls, "Images", [&](const ElementRecord& image) {
        QByteArray picture = image.bytes("PicStm");
        if (picture.isEmpty()) {
            const QString field = image.text("DataField").trimmed();
            RpdRecordSetPtr source = boundRecordSet(context, image, records);
            if (source == context.data.MainRecordSet()) source = context.data.FindFieldRecordSet(field);
            if (!field.isEmpty()) picture = fieldBytes(source, field);
        }
        if (picture.isEmpty()) return;
        DrawImage(context.target, {image.rect(origin), picture, image.flag("AutoSize", false), context.zoom});
    });
}

bool checkBoxState(const FillContext& context, const ElementRecord& check, const RpdRecordSetPtr& records, int page) {
    RpdRecordSetPtr source = boundRecordSet(context, check, records);
    if (atEnd(source)) return false;
    const QString field = check.text("DataField").trimmed();
    if (isExpression(field))
        return evaluateElementExpression(context, field, source, page, LineBreaks::Dropped).toBool().value_or(false);
    if (source == context.data.MainRecordSet()) source = context.data.FindFieldRecordSet(field);
    if (field.isEmpty()) return check.number("Value") != 0;
    if (!source || atEnd(source)) return false;
    const RecordSet& rows = *source->recordSet();
    const int index = rows.fieldIndex(field);
    if (index < 0 || !isNumericFieldType(rows.field(index).type) || rows.isBof()) return false;
    return rows.valueAt(index).toDouble().value_or(0) != 0;
}

void PrintChecks(FillContext& context, pugi::xml_node controls, const RpdRecordSetPtr& records, QPointF origin, int page) {
    forEachRecord(context.records, controls, "Checks", [&](const ElementRecord& check) {
        CheckBoxDraw draw;
        draw.box = check.rect(origin);
        draw.font = check.font(context.zoom);
        draw.checked = checkBoxState(context, check, records, page);
        draw.caption = check.text("Caption");
        draw.alignment = check.integer("Alignment");
        draw.markOnLeft = check.flag("ZDuiQi", true);
        draw.foreColor = check.integer("ForeColor");
        draw.autoSize = check.flag("AutoCHSize", false);
        draw.hangJu = check.number("HangJu");
        draw.zoom = context.zoom;
        DrawCheckBox(context.target, draw);
    });
}

void PrintBoxes(FillContext& context, pugi::xml_node controls, QPointF origin) {
    forEachRecord(context.records, controls, "Boxs", [&](const ElementRecord& box) {
        BoxDraw draw;
        draw.box = box.rect(origin);
        draw.borderWidth = box.integer("BorderWidth", 1);
        draw.borderColor = box.integer("BorderColor");
        draw.rcWidth = box.integer("RCWidth", 1);
        draw.rows = box.integer("Rows", 1);
        draw.cols = box.integer("Cols", 1);
        draw.rowHeight = box.text("RowHeight");
        draw.colWidth = box.text("ColWidth");
        // A box whose frame is not printed keeps only its inner lines.
        const bool frame = box.flag("PrintBox", true);
        draw.showLeft = frame && box.flag("ShowLeftBolder", true);
        draw.showTop = frame && box.flag("ShowTopBolder", true);
        draw.showRight = frame && box.flag("ShowRightBolder", true);
        draw.showBottom = frame && box.flag("ShowBottomBolder", true);
        draw.lineWidth = context.lineWidth;
        draw.zoom = context.zoom;
        DrawBox(context.target, draw);
    });
}

void PrintLines(FillContext& context, pugi::xml_node controls, QPointF origin) {
    forEachRecord(context.records, controls, "Lines", [&](const ElementRecord& line) {
        DrawLine(context.target, {line.rect(origin), line.integer("Xiexian"), context.lineWidth, line.integer("BorderColor"), context.zoom});
    });
}

void PrintLabels(FillContext& context, pugi::xml_node controls, QPointF origin) {
    forEachRecord(context.records, controls, "Labels", [&](const ElementRecord& label) {
        LabelDraw draw;
        draw.box = label.rect(origin);
        draw.font = label.font(context.zoom);
        draw.alignment = label.integer("Alignment");
        draw.caption = label.text("Caption");
        draw.foreColor = label.integer("ForeColor");
        draw.backTrans = label.flag("BackTrans", true);
        draw.autoSize = label.flag("AutoCHSize", false);
        draw.hangJu = label.number("HangJu");
        draw.zoom = context.zoom;
        DrawLabel(context.target, draw);
    });
}

void PrintBackground(FillContext& context, pugi::xml_node page, QPointF origin) {
    const ElementRecord record(page);
    const QByteArray picture = record.bytes("Background");
    if (picture.isEmpty()) return;
    DrawBackground(context.target, picture,
                   {origin.x() + record.number("bgLeft") * kTwipsPerCentimetre, origin.y() + record.number("bgTop") * kTwipsPerCentimetre});
}

}  // namespace ky
