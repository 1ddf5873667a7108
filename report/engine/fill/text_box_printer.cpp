#include "report/engine/fill/text_box_printer.h"

#include "report/engine/expression/expression_evaluator.h"
#include "report/engine/fill/element_record.h"
#include "report/engine/fill/expression_preparation.h"
#include "report/engine/fill/expression_text.h"
#include "report/engine/fill/record_cursor.h"
#include "report/engine/render/element_renderers.h"
#include "report/template/value_text.h"

namespace ky {

namespace {

const QString kGrandTotalMark = QStringLiteral("！总合计");
const QString kPageTotalMark = QStringLiteral("！页合计");
constexpr int kRed = 0x0000FF;  // RGB(255, 0, 0) as a colour number

QString positionOf(const RpdRecordSetPtr& entry) {
    return entry && entry->recordSet() ? QString::number(entry->recordSet()->absolutePosition()) : QStringLiteral("0");
}

TextBoxText totalText(const Totals& totals, const ElementRecord& textBox, const QString& sumKind, const QString& mark,
                      const QString& dataField, bool shown) {
    const QString key = textBox.text("SumCRSIndex", QStringLiteral("0"));
    const auto entry = totals.constFind(key);
    // Not shown (yet) is blank: formatted as a number it would read as a total of 0.
    if (!shown || entry == totals.constEnd()) return {QString(), {}, false};
    QString field = sumKind;
    field.remove(mark);
    const auto sum = entry->constFind(field);
    return {sum == entry->constEnd() ? Value() : Value(*sum), dataField, true};
}

TextBoxText fieldText(const FillContext& context, const QString& dataField, RpdRecordSetPtr records) {
    if (records == context.data.MainRecordSet()) {
        records = context.data.FindFieldRecordSet(dataField);
        if (!records) return {context.noDataRP, {}, true};
    }
    if (!records->HasField(dataField) || !records->recordSet()) return {dataField, {}, true};
    const RecordSet& rows = *records->recordSet();
    const int index = rows.fieldIndex(dataField);
    if (index < 0) return {dataField, {}, true};
    const bool numeric = isNumericFieldType(rows.field(index).type);
    if (!rows.hasCurrentRow()) return {QString(), {}, numeric};
    return {ValueOrDefault(rows.valueAt(index), QString()), {}, numeric};
}

// Replaces the page tokens of page-number texts and OtherPageText.
QString withPageNumbers(QString text, int page, int totalPages) {
    text.replace(QStringLiteral("[页码]"), QString::number(page));
    text.remove(u'=');
    text.replace(QStringLiteral("[总页数]"), QString::number(totalPages));
    return text;
}

// The text a single record gives, before the list and visibility rules.
TextBoxText recordText(const FillContext& context, const ElementRecord& textBox, const RpdRecordSetPtr& records,
                       const TotalsPair& totals, const TextBoxPass& pass) {
    const QString dataField = textBox.text("DataField").trimmed();
    const QString sumKind = textBox.text("SumLX");
    if (isExpression(dataField)) {
        Value value = evaluateElementExpression(context, dataField, records, pass.page, LineBreaks::AsScriptText);
        // An expression that chose to show nothing ("") shows nothing, not 0.
        const QString* text = value.get<QString>();
        const bool blank = text && text->isEmpty();
        return {std::move(value), {}, !blank};
    }
    if (dataField.contains(QStringLiteral("[总页数]")) || dataField.contains(QStringLiteral("[页码]")))
        return {withPageNumbers(dataField, pass.page, context.totalPages), {}, true};
    if (dataField.contains(QStringLiteral("[记录序号]"))) {
        QString text = dataField;
        text.replace(QStringLiteral("[记录序号]"), positionOf(records));
        text.remove(u'=');
        return {text, {}, true};
    }
    if (sumKind.contains(kGrandTotalMark)) return totalText(totals.grand, textBox, sumKind, kGrandTotalMark, dataField, pass.lastRepeat);
    if (sumKind.contains(kPageTotalMark)) return totalText(totals.page, textBox, sumKind, kPageTotalMark, dataField, true);
    return fieldText(context, dataField, records);
}

// Flowing reports list every row's text, a run of equal texts once.
TextBoxText listText(const FillContext& context, const ElementRecord& textBox, const RpdRecordSetPtr& records,
                     const TotalsPair& totals, const TextBoxPass& pass) {
    RecordSet& rows = *records->recordSet();
    const SavedPosition saved(rows);  // the walk leaves every cursor where it was
    QStringList list{QString()};
    TextBoxText last;
    for (rows.moveFirst(); !rows.isEof(); rows.moveNext()) {
        last = recordText(context, textBox, records, totals, pass);
        const QString text = last.value.toText();
        if (text == list.last()) continue;
        if (list.first().isEmpty()) list.first() = text;
        else list.append(text);
    }
    return {list.join(u';'), last.suffix, last.numeric};
}

bool isErrorText(const Value& value) {
    const QString* text = value.get<QString>();
    return text && (*text == expressionErrorText() || *text == QStringLiteral("未定义"));
}

}  // namespace

QString noDataText(const QString& noDataRP) {
    const QString trimmed = noDataRP.trimmed();
    return trimmed.isEmpty() || trimmed == QStringLiteral("未定义") ? QStringLiteral("/") : noDataRP;
}

TextBoxText textBoxText(const FillContext& context, const ElementRecord& textBox, const RpdRecordSetPtr& containerRecords,
                        const TotalsPair& totals, const TextBoxPass& pass) {
    const RpdRecordSetPtr records =
        textBox.number("DataSourceID") == 0 ? context.data.MainRecordSet() : containerRecords;
    if (pass.listMode && records && records->recordSet() && records->recordSet()->recordCount() > 0)
        return listText(context, textBox, records, totals, pass);
    if (atEnd(records)) return {noDataText(context.noDataRP), {}, true};
    return recordText(context, textBox, records, totals, pass);
}

void PrintTextBoxes(FillContext& context, pugi::xml_node controls, const RpdRecordSetPtr& records, const TotalsPair& totals,
                    const TextBoxPass& pass) {
    forEachRecord(context.records, controls, "TextBoxs", [&](const ElementRecord& textBox) {
        TextBoxText shown = textBoxText(context, textBox, records, totals, pass);
        int color = textBox.integer("ForeColor");
        if (isErrorText(shown.value)) {
            // Errors show in red on screen and print as nothing.
            if (context.target.isPrinter()) shown = {QString(), {}, false};  // blank, not formatted as 0
            color = context.target.isPrinter() ? 0 : kRed;
        }
        const QString showInPage = textBox.text("ShowInPage", QStringLiteral("默认"));
        const QString otherPageText = withPageNumbers(textBox.text("OtherPageText"), pass.page, context.totalPages);
        bool isNumber = false;
        const double onlyPage = showInPage.trimmed().toDouble(&isNumber);
        if ((isNumber && onlyPage != pass.page) || (showInPage == QStringLiteral("最后一") && pass.page != context.totalPages))
            shown = {otherPageText, {}, true};

        TextBoxDraw draw;
        draw.box = textBox.rect(pass.origin);
        draw.font = textBox.font(context.zoom);
        draw.alignment = textBox.integer("Alignment");
        draw.vAlignment = textBox.integer("VAlignment");
        draw.autoSize = textBox.text("AutoCHSize") == QStringLiteral("True");
        draw.value = shown.value;
        draw.numeric = shown.numeric;
        draw.format.XSWS = textBox.integer("XSWS");
        draw.format.ZeroIsNull = textBox.flag("ZeroIsNull", false);
        draw.format.RPZero = textBox.text("RPZero");
        draw.format.Format = textBox.integer("Format");
        draw.format.CusFormat = textBox.text("CusFormat");
        draw.format.XYJG = textBox.number("XYJG");
        draw.format.suffix = shown.suffix;
        draw.hangJu = textBox.number("HangJu");
        draw.zoom = context.zoom;
        draw.foreColor = color;
        draw.backTrans = textBox.flag("BackTrans", true);
        draw.editCtlWordBreak = textBox.flag("EditCtlWordBreak", true);
        draw.qrIcon = textBox.bytes("QRICONStm");
        draw.centerIconSize = textBox.integer("CenterICONSize", 20);
        if (UsesSpacedText(draw.autoSize, draw.hangJu)) DrawSpacedText(context.target, draw);
        else DrawTextBox(context.target, draw);
    });
}

}  // namespace ky
