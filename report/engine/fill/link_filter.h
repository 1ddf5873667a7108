#pragma once
// The filter that links a child record set to its parent's current row.

#include "report/engine/fill/fill_context.h"

#include <pugixml.hpp>

#include <optional>

namespace ky {

enum class LinkUse {
    Drawing,         // the default key is "0"; a parent at its end matches no row; the sort is set
    Counting,        // the default key is empty
    NestedCounting,  // as counting; the link needs only both key names
};

// Finds the child record set of the report and filters it to the parent's
// current row (and the report's own filter). Nothing when there is none.
RpdRecordSetPtr applyLinkFilter(const FillContext& context, const RpdRecordSetPtr& parent, pugi::xml_node childReport,
                                LinkUse use);

// Sets the filter (and the sort, when given) and moves to the first row.
void applyView(RecordSet& rows, const QString& filter, const std::optional<QString>& sort);

}  // namespace ky
