#pragma once
// `PrintTextBoxes`: the text of every text box of a container (expressions,
// page and record numbers, totals, fields), its page visibility, and the
// call of the text renderer.

#include "report/engine/fill/fill_context.h"

#include <QPointF>

#include <pugixml.hpp>

namespace ky {

struct TextBoxPass {
    int page = 0;           // the physical page counter
    QPointF origin;
    bool lastRepeat = true; // grand totals show only on the last copy of a page
    bool listMode = false;  // flowing child reports: every row's text, joined
};

void PrintTextBoxes(FillContext& context, pugi::xml_node controls, const RpdRecordSetPtr& records, const TotalsPair& totals,
                    const TextBoxPass& pass);

// What a text box shows for the current record, before formatting.
struct TextBoxText {
    Value value;
    QString suffix;
    bool numeric = true;
};
TextBoxText textBoxText(const FillContext& context, const ElementRecord& textBox, const RpdRecordSetPtr& records,
                        const TotalsPair& totals, const TextBoxPass& pass);

// The text where there is no data: NoDataRP, or "/" when it is blank or "未定义".
QString noDataText(const QString& noDataRP);

}  // namespace ky
