#pragma once
// Text printed line by line with the target's own text output and a line
// pitch of the text's height plus `HangJu`: `DrawSpacedText`, the spaced
// label and the check box's caption.

#include "report/engine/surface/surface.h"

namespace ky {

struct SpacedText {
    QRectF box;
    SurfaceFont font;
    QString text;
    int alignment = 0;   // 0 left, 1 right, 2 centre; only the last line follows it
    int vAlignment = 0;  // 2 centres; 1 places like 0
    double hangJu = 0;   // millimetres between lines
    bool autoSize = false;  // AutoCHSize: one line at the estimated fitting size
    int zoom = 100;
    int color = 0;
};

// How the text is measured: by the target, or by the linear estimates.
enum class SpacedMeasure { Target, Estimates };

void PrintSpacedText(Surface& surface, const SpacedText& text, SpacedMeasure measure);

}  // namespace ky
