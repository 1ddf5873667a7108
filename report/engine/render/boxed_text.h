#pragma once
// Text laid out in its element's rectangle by the device text call, shrunk
// until it fits: `DrawTextBox` and the boxed label.

#include "report/engine/surface/surface.h"

namespace ky {

struct BoxedText {
    QRectF box;
    SurfaceFont font;
    QString text;
    int alignment = 0;   // 0 left, 1 right, 2 centre
    int vAlignment = 0;  // 0 top, 1 bottom, 2 centre
    bool editCtlWordBreak = true;
    int color = 0;
};

// The element's alignment as the text call's flag; unknown values are left.
TextAlignment TextAlignmentOf(int alignment);

void DrawBoxedText(Surface& surface, const BoxedText& text);

}  // namespace ky
