#pragma once
// Child reports: the rows of a linked record set repeated in a grid of
// cells, continued on copies of the page, nested in cells, or listed in one
// flowing cell; and the totals their text boxes show.

#include "report/engine/fill/fill_context.h"

#include <QPointF>

#include <pugixml.hpp>

namespace ky {

// Nesting deeper than this draws and counts nothing more (templates from
// outside may nest without end).
inline constexpr int kMaxChildNesting = 64;
// The most cells a child report fills on one copy of its page.
inline constexpr int kMaxCellsPerPage = 10000;

struct ChildReportPass {
    int page = 0;
    QPointF origin;  // the container's origin, whole twips
    bool draw = true;
    int depth = 0;
};

// Draws (or, without `draw`, only advances) every child report of
// `childReports`; true when all have reached the end of their rows and all
// reports nested in them are complete. `totals` is rebuilt for the container.
bool PrintChildReports(FillContext& context, const RpdRecordSetPtr& parent, pugi::xml_node childReports, TotalsPair& totals,
                       const ChildReportPass& pass);

// Copies of the page the report needs for the parent's current record.
int CountChildPages(const FillContext& context, const RpdRecordSetPtr& parent, pugi::xml_node childReport, int depth = 0);

// Cells of the enclosing report that one parent row needs for a nested report.
int CountNestedCells(const FillContext& context, const RpdRecordSetPtr& parent, pugi::xml_node childReport, int depth = 0);

}  // namespace ky
