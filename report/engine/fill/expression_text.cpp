#include "report/engine/fill/expression_text.h"

#include "report/data/field_type.h"
#include "report/engine/fill/report_data.h"

namespace ky {

bool isExpression(const QString& dataField) { return dataField.startsWith(u'=') || dataField.startsWith(u'＝'); }

QString expressionBody(const QString& dataField) {
    QString body = dataField;
    body.replace(u'$', QStringLiteral(" & "));
    body.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return body.mid(1);
}

namespace {

QString literalOf(const Value& value, int type) {
    if (isNumericFieldType(type) || type == fieldtype::Boolean)
        return value.isNullOrEmpty() ? QStringLiteral("0") : value.toText();
    // A quotation mark inside the value is doubled, so that the text stays
    // one string literal instead of breaking the expression.
    QString text = value.toText();
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

}  // namespace

QString substituteFields(QString text, const RecordSet& records) {
    if (!text.contains(u'[') || !records.hasCurrentRow()) return text;
    for (int i = 0; i < records.fieldCount() && text.contains(u'['); ++i) {
        const FieldInfo& field = records.field(i);
        if (isBinaryFieldType(field.type)) continue;
        const QString token = u'[' + field.name + u']';
        if (!text.contains(token, Qt::CaseInsensitive)) continue;
        text.replace(token, literalOf(records.valueAt(i), field.type), Qt::CaseInsensitive);
    }
    return text;
}

}  // namespace ky
