#pragma once
// Turning an element's "=..." data field into an expression the evaluator
// reads: "$" joins texts, bracketed field names become the current record's
// values, numbers and booleans bare, other values as quoted texts.

#include "report/data/record_set.h"

#include <QString>

namespace ky {

// "=" or the full-width "＝" starts an expression.
bool isExpression(const QString& dataField);

// "$" becomes " & ", then "&&" becomes "&"; the leading "=" is dropped.
QString expressionBody(const QString& dataField);

// Every "[field]" of the record set (letter case ignored) becomes the
// current row's value; binary fields stay. Numeric and boolean fields are
// written bare (null as 0), others quoted (null as "").
QString substituteFields(QString text, const RecordSet& records);

}  // namespace ky
