#pragma once
// What the design surface holds for the page shown: the report-wide values
// read with it, the page setup, the background picture and the elements.

#include "report/template/element_container.h"
#include "platform/byte_stream.h"

#include <QString>

namespace ky {

// Values of the Report element, with their reading defaults.
struct ReportSettings {
    QString Name;
    int XianKuan = 1;                          // line width; written as 1 when below 1
    bool NeedCFG = true;                       // carried unchanged
    QString NoDataRP = QStringLiteral("未定义");
    bool TaoDa = false;                        // overlay printing onto pre-printed forms
    double DefFontSize = 12;
    QString OrderBy;                           // read, never written
};

// Page setup in centimetres and the printer's codes.
struct PageSetup {
    double PageWidth = 0, PageHeight = 0;
    double LeftMargin = 0, TopMargin = 0, RightMargin = 0, BottomMargin = 0;
    int Orientation = 1;  // 1 portrait, 2 landscape
    int PageSize = 9;     // 9 is A4; 0 is written as 9
};

struct PageModel {
    ReportSettings report;
    PageSetup setup;
    StreamPtr background;  // the picture file's bytes; nothing for none
    double bgLeft = 0, bgTop = 0;
    ElementContainer elements;
};

}  // namespace ky
