#include "report/engine/fill/child_reports.h"

#include "report/engine/fill/element_printers.h"
#include "report/engine/fill/element_record.h"
#include "report/engine/fill/link_filter.h"
#include "report/engine/fill/record_cursor.h"
#include "report/engine/fill/text_box_printer.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ky {

namespace {

// The grid of cells a child report repeats its main area in.
struct Grid {
    int columns = 0;
    int rows = 0;
    int cellWidth = 0;
    int cellHeight = 0;
    int cells() const { return static_cast<int>(std::min<long long>(1LL * columns * rows, 2147483647)); }
};

// Whether a cell at `at` shows on the paper (empty: the paper is unknown, so
// it may). Cells off the paper still take their rows, as on paper; only
// their drawing, which nobody could see, is left out.
bool onPaper(const QRectF& paper, QPointF at, const Grid& grid) {
    return paper.isEmpty() || (at.x() <= paper.right() && at.y() <= paper.bottom() &&
                               at.x() + grid.cellWidth >= paper.left() && at.y() + grid.cellHeight >= paper.top());
}

int wholeTwips(double value) { return static_cast<int>(std::clamp(std::round(value), -1e9, 1e9)); }

// A main area that does not fit its frame at least once gives no cells.
Grid gridOf(const ElementRecord& report, RecordCache& records) {
    const pugi::xml_node mainNode = report.node().child("ChildMain");
    const ElementRecord main(mainNode, &records.of(mainNode));
    Grid grid;
    grid.cellWidth = wholeTwips(main.number("Width"));
    grid.cellHeight = wholeTwips(main.number("Height"));
    if (grid.cellWidth <= 0 || grid.cellHeight <= 0) return grid;
    grid.columns = std::max(0, wholeTwips(report.number("Width")) / grid.cellWidth);
    grid.rows = std::max(0, wholeTwips(report.number("Height")) / grid.cellHeight);
    // A frame of kilometres in cells of a twip is no page anyone prints:
    // keep the grid to what a run can draw.
    if (grid.cells() > kMaxCellsPerPage) grid.rows = std::max(1, kMaxCellsPerPage / std::max(1, grid.columns));
    grid.columns = std::min(grid.columns, kMaxCellsPerPage);
    return grid;
}

pugi::xml_node mainControls(pugi::xml_node report) { return report.child("ChildMain").child("Controls"); }
pugi::xml_node nestedReports(pugi::xml_node report) { return mainControls(report).child("ChildReports"); }
bool hasNested(pugi::xml_node report) { return nestedReports(report).first_child(); }

int pagesFor(qsizetype units, int perPage) { return static_cast<int>((units + perPage - 1) / perPage); }

// The cells the current rows of a report need when reports are nested in
// its cells: each row its largest nested need, at least one.
qsizetype cellsForRows(const FillContext& context, const RpdRecordSetPtr& child, pugi::xml_node report, int depth) {
    RecordSet& rows = *child->recordSet();
    const SavedPosition saved(rows);
    qsizetype total = 0;
    for (rows.moveFirst(); !rows.isEof(); rows.moveNext()) {
        int need = 1;
        for (pugi::xml_node nested : nestedReports(report).children())
            need = std::max(need, CountNestedCells(context, child, nested, depth + 1));
        total += need;
    }
    return total;
}

QStringList numericFields(const RecordSet& rows) {
    QStringList names;
    for (int i = 0; i < rows.fieldCount(); ++i)
        if (isNumericFieldType(rows.field(i).type)) names << rows.field(i).name;
    return names;
}

void addRow(QHash<QString, double>& sums, const RecordSet& rows, const QStringList& fields) {
    for (const QString& field : fields) sums[field] += currentValue(rows, field).toDouble().value_or(0);
}

// Both total dictionaries of the key start at 0; the grand totals take every row.
void startTotals(FillContext& context, TotalsPair& totals, const QString& key, RecordSet& rows) {
    const QStringList fields = numericFields(rows);
    QHash<QString, double> zero;
    for (const QString& field : fields) zero.insert(field, 0);
    totals.page.insert(key, zero);
    const QString cacheKey = key + u'\x1f' + rows.filter();
    auto cached = context.grandTotalsByFilter.constFind(cacheKey);
    if (cached == context.grandTotalsByFilter.constEnd()) {
        QHash<QString, double> grand = zero;
        for (rows.moveFirst(); !rows.isEof(); rows.moveNext()) addRow(grand, rows, fields);
        rows.moveFirst();
        cached = context.grandTotalsByFilter.insert(cacheKey, grand);
    }
    totals.grand.insert(key, *cached);
}

class ChildReportPrinter {
public:
    ChildReportPrinter(FillContext& context, const RpdRecordSetPtr& parent, TotalsPair& totals, const ChildReportPass& pass)
        : context_(context), parent_(parent), totals_(totals), pass_(pass) {}

    // True when the report has reached the end of its rows and everything nested in it is complete.
    bool print(pugi::xml_node node) {
        const ElementRecord report(node, &context_.records.of(node));
        const RpdRecordSetPtr child = applyLinkFilter(context_, parent_, node, LinkUse::Drawing);
        if (!child) return true;
        RecordSet& rows = *child->recordSet();
        const QString key = report.text("ChildRecordSetIndex", QStringLiteral("0"));
        const bool hasRows = rows.recordCount() > 0;
        if (pass_.draw && hasRows) startTotals(context_, totals_, key, rows);
        placeCursor(report, key, rows, hasRows);
        const QPointF origin(pass_.origin.x() + report.number("Left"), pass_.origin.y() + report.number("Top"));
        if (report.flag("IsFlowText", false)) return printFlowing(report, child, origin);
        return printCells(report, child, key, origin);
    }

private:
    void placeCursor(const ElementRecord& report, const QString& key, RecordSet& rows, bool hasRows) {
        const long cursor = context_.childCursor.value(key, 1);
        if (cursor > 0) {
            if (hasRows && !rows.setAbsolutePosition(cursor)) moveToEnd(rows);
            return;
        }
        // Ended on an earlier copy: start again when the parent moved on, else stay ended.
        const bool parentMoved = context_.childMovedFlag.value(report.text("ParentListName", QStringLiteral("pic_Page")), true);
        if (!hasRows) return;
        if (parentMoved) {
            context_.childCursor.insert(key, 1);
            static_cast<void>(rows.setAbsolutePosition(1));
        } else {
            moveToEnd(rows);
            context_.childCursor.insert(key, rows.absolutePosition());
        }
    }

    bool printFlowing(const ElementRecord& report, const RpdRecordSetPtr& child, QPointF origin) {
        RecordSet& rows = *child->recordSet();
        if (rows.recordCount() > 0) static_cast<void>(rows.setAbsolutePosition(1));
        TotalsPair cellTotals;
        const bool complete = printNested(report, child, cellTotals, origin, pass_.draw);
        if (!pass_.draw) return complete;
        const pugi::xml_node controls = mainControls(report.node());
        drawFrames(report, controls, origin);
        PrintTextBoxes(context_, controls, child, cellTotals, {pass_.page, origin, false, true});
        return complete;
    }

    bool printCells(const ElementRecord& report, const RpdRecordSetPtr& child, const QString& key, QPointF origin) {
        RecordSet& rows = *child->recordSet();
        const Grid grid = gridOf(report, context_.records);
        const bool across = report.integer("LieYinFangXiang") == 1;
        const bool stopAtEnd = report.flag("EOFEnd", false);
        const pugi::xml_node controls = mainControls(report.node());
        const QString listName = report.text("ListName");
        const QStringList sums = pass_.draw ? numericFields(rows) : QStringList();
        bool complete = true;
        // Past the last row, a cell that is not drawn depends only on the
        // cursors and flags: once such a cell leaves them as it found them,
        // every further one would too (a frame kilometres long costs no more
        // than the paper it covers).
        bool settled = false;
        for (int j = 0; j < grid.cells(); ++j) {
            if (stopAtEnd && rows.isEof()) break;
            const int column = across ? j % grid.columns : j / grid.rows;
            const int row = across ? j / grid.columns : j % grid.rows;
            const QPointF cell(origin.x() + column * grid.cellWidth, origin.y() + row * grid.cellHeight);
            const bool drawCell = pass_.draw && onPaper(context_.paper, cell, grid);
            const bool idle = !drawCell && rows.isEof();
            if (idle && settled) continue;
            std::optional<std::pair<QHash<QString, long>, QHash<QString, bool>>> before;
            if (idle) before.emplace(context_.childCursor, context_.childMovedFlag);
            TotalsPair cellTotals;
            const bool cellComplete = printNested(report, child, cellTotals, cell, drawCell);
            if (pass_.draw && !rows.isEof() && totals_.page.contains(key)) addRow(totals_.page[key], rows, sums);
            if (drawCell) {
                PrintImages(context_, controls, child, cell);
                PrintChecks(context_, controls, child, cell, pass_.page);
                drawFrames(report, controls, cell);
                PrintTextBoxes(context_, controls, child, cellTotals, {pass_.page, cell, false, false});
            }
            setMoved(key, listName, false);
            if (cellComplete && !rows.isEof()) {
                rows.moveNext();
                setMoved(key, listName, true);
                context_.childCursor.insert(key, rows.absolutePosition());
            }
            complete = complete && cellComplete;
            settled = before && before->first == context_.childCursor && before->second == context_.childMovedFlag;
        }
        return complete && rows.isEof();
    }

    // Nested reports look their parent up by its list name ("C" and its
    // index), so the flag is kept under that name as well as the key.
    void setMoved(const QString& key, const QString& listName, bool moved) {
        context_.childMovedFlag.insert(key, moved);
        if (!listName.isEmpty()) context_.childMovedFlag.insert(listName, moved);
    }

    bool printNested(const ElementRecord& report, const RpdRecordSetPtr& child, TotalsPair& cellTotals, QPointF origin,
                     bool draw) {
        if (!hasNested(report.node())) return true;
        return PrintChildReports(context_, child, nestedReports(report.node()), cellTotals,
                                 {pass_.page, origin, draw, pass_.depth + 1});
    }

    void drawFrames(const ElementRecord& report, pugi::xml_node controls, QPointF origin) {
        if (report.flag("ChildTaoDa", false)) return;
        PrintBoxes(context_, controls, origin);
        PrintLines(context_, controls, origin);
        PrintLabels(context_, controls, origin);
    }

    FillContext& context_;
    const RpdRecordSetPtr& parent_;
    TotalsPair& totals_;
    const ChildReportPass& pass_;
};

}  // namespace

bool PrintChildReports(FillContext& context, const RpdRecordSetPtr& parent, pugi::xml_node childReports, TotalsPair& totals,
                       const ChildReportPass& pass) {
    totals = {};
    if (pass.depth >= kMaxChildNesting) return true;
    ChildReportPrinter printer(context, parent, totals, pass);
    bool complete = true;
    for (pugi::xml_node report : childReports.children()) complete = printer.print(report) && complete;
    return complete;
}

int CountChildPages(const FillContext& context, const RpdRecordSetPtr& parent, pugi::xml_node node, int depth) {
    if (depth >= kMaxChildNesting) return 0;
    const RpdRecordSetPtr child = applyLinkFilter(context, parent, node, LinkUse::Counting);
    if (!child) return 0;
    const qsizetype count = child->recordSet()->recordCount();
    if (count == 0) return 1;
    const ElementRecord report(node, &context.records.of(node));
    const Grid grid = gridOf(report, context.records);
    if (grid.cells() == 0) return 0;
    if (!hasNested(node)) return report.flag("IsFlowText", false) ? 1 : pagesFor(count, grid.cells());
    return std::max(1, pagesFor(cellsForRows(context, child, node, depth), grid.cells()));
}

int CountNestedCells(const FillContext& context, const RpdRecordSetPtr& parent, pugi::xml_node node, int depth) {
    if (depth >= kMaxChildNesting) return 0;
    const RpdRecordSetPtr child = applyLinkFilter(context, parent, node, LinkUse::NestedCounting);
    if (!child) return 0;
    const qsizetype count = child->recordSet()->recordCount();
    if (count == 0) return 0;
    const ElementRecord report(node, &context.records.of(node));
    const Grid grid = gridOf(report, context.records);
    if (grid.cells() == 0) return 0;
    const int pages = report.flag("IsFlowText", false) ? 1 : pagesFor(count, grid.cells());
    if (!hasNested(node)) return pages;
    return std::max(pages, pagesFor(cellsForRows(context, child, node, depth), grid.cells()));
}

}  // namespace ky
