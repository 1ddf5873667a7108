#pragma once
// The expression of a text box or check box with its page numbers, record
// number and field values written in, ready for the evaluator.

#include "report/engine/fill/fill_context.h"

#include <QString>

namespace ky {

enum class LineBreaks { AsScriptText, Dropped };

// `records` is the element's record set: the main record set, or the
// container's. Its fields are written in before those of the main entries.
QString prepareExpression(const FillContext& context, const QString& dataField, const RpdRecordSetPtr& records, int page,
                          LineBreaks lineBreaks);

// The text an element shows for an expression: the value, or the error text.
Value evaluateElementExpression(const FillContext& context, const QString& dataField, const RpdRecordSetPtr& records,
                                int page, LineBreaks lineBreaks);

}  // namespace ky
