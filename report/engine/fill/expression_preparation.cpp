#include "report/engine/fill/expression_preparation.h"

#include "report/engine/fill/expression_text.h"

namespace ky {

namespace {

QString positionOf(const RpdRecordSetPtr& entry) {
    return entry && entry->recordSet() ? QString::number(entry->recordSet()->absolutePosition()) : QStringLiteral("0");
}

}  // namespace

QString prepareExpression(const FillContext& context, const QString& dataField, const RpdRecordSetPtr& records, int page,
                          LineBreaks lineBreaks) {
    QString text = expressionBody(dataField);
    text.replace(QStringLiteral("[页码]"), QString::number(page));
    text.replace(QStringLiteral("[总页数]"), QString::number(context.totalPages));
    const RpdRecordSetPtr& main = context.data.MainRecordSet();
    text.replace(QStringLiteral("[记录序号]"), positionOf(records == main ? main : records));
    if (records != main && !atEnd(records)) text = substituteFields(text, *records->recordSet());
    for (const RpdRecordSetPtr& entry : context.data.mains())
        if (!atEnd(entry)) text = substituteFields(text, *entry->recordSet());
    if (lineBreaks == LineBreaks::AsScriptText) {
        text.replace(u'\n', QStringLiteral("\" & vbcrlf & \""));
    } else {
        text.remove(u'\n');
    }
    text.remove(u'\r');
    return text;
}

Value evaluateElementExpression(const FillContext& context, const QString& dataField, const RpdRecordSetPtr& records,
                                int page, LineBreaks lineBreaks) {
    return context.evaluator.EvaluateExpression(prepareExpression(context, dataField, records, page, lineBreaks));
}

}  // namespace ky
