#pragma once
// Drawing the simple element kinds of a container (a page's or a child
// report cell's "Controls") at the container's origin.

#include "report/engine/fill/fill_context.h"

#include <QPointF>

#include <pugixml.hpp>

namespace ky {

// Pictures, stored or from a binary field of `records` (or, for data source
// 0, of the record set that has the field).
void PrintImages(FillContext& context, pugi::xml_node controls, const RpdRecordSetPtr& records, QPointF origin);
void PrintChecks(FillContext& context, pugi::xml_node controls, const RpdRecordSetPtr& records, QPointF origin, int page);
void PrintBoxes(FillContext& context, pugi::xml_node controls, QPointF origin);
void PrintLines(FillContext& context, pugi::xml_node controls, QPointF origin);
void PrintLabels(FillContext& context, pugi::xml_node controls, QPointF origin);
// The page's background picture, offset by bgLeft and bgTop (centimetres).
void PrintBackground(FillContext& context, pugi::xml_node page, QPointF origin);

// Whether a check box is ticked for the current record.
bool checkBoxState(const FillContext& context, const ElementRecord& check, const RpdRecordSetPtr& records, int page);

}  // namespace ky
