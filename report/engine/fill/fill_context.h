#pragma once
// What every step of filling a report shares during one run: the target,
// the record sets, the expression evaluator, the child reports' cursors and
// moved flags, and the report-wide settings.

#include "report/engine/expression/expression_evaluator.h"
#include "report/engine/fill/element_record.h"
#include "report/engine/fill/report_data.h"
#include "report/engine/surface/surface.h"

#include <QHash>
#include <QString>

namespace ky {

// Sums of child reports' numeric fields: child key -> field name -> sum.
using Totals = QHash<QString, QHash<QString, double>>;

// The grand totals (every row linked to the parent) and page totals (the
// rows drawn on this copy of the page) that text boxes of a container read.
struct TotalsPair {
    Totals grand;
    Totals page;
};

struct FillContext {
    Surface& target;
    const ReportData& data;
    const ExpressionEvaluator& evaluator;
    // Where each child report continues: its record set's position (1 when absent).
    QHash<QString, long>& childCursor;
    // Whether a container moved to a new row after its last drawn cell.
    QHash<QString, bool>& childMovedFlag;
    // The paper of the page drawn, in the target's twips (empty: not known).
    QRectF paper;
    int totalPages = 0;
    int zoom = 100;
    int lineWidth = 1;     // XianKuan
    QString noDataRP = QStringLiteral("/");
    // Grand totals by child key and filter: every copy of a page sums the
    // same rows, so a long report sums them once.
    QHash<QString, QHash<QString, double>> grandTotalsByFilter = {};
    // Read once a run, also where the context is only read (counting pages).
    mutable RecordCache records = {};
};

// A record set that is missing, or stands after its last row.
inline bool atEnd(const RpdRecordSetPtr& entry) {
    return !entry || !entry->recordSet() || entry->recordSet()->isEof();
}

}  // namespace ky
