#include "report/engine/render/boxed_text.h"
#include "report/engine/render/element_renderers.h"
#include "report/engine/render/spaced_text.h"
#include "report/engine/render/text_background.h"

namespace ky {

namespace {

// Labels are always centred vertically.
constexpr int kLabelVAlignment = 2;

}  // namespace

// The caption as it stands, no formatting. Labels carry no EditCtlWordBreak;
// they break like a text box with its default (on). The spaced variant sizes
// its lines with the estimates, as the designer does.
void DrawLabel(Surface& surface, const LabelDraw& draw) {
    if (!draw.backTrans) FillTextBackground(surface, draw.box);
    if (!UsesSpacedText(draw.autoSize, draw.hangJu)) {
        DrawBoxedText(surface, {.box = draw.box,
                                .font = draw.font,
                                .text = draw.caption,
                                .alignment = draw.alignment,
                                .vAlignment = kLabelVAlignment,
                                .editCtlWordBreak = true,
                                .color = draw.foreColor});
        return;
    }
    PrintSpacedText(surface,
                    {.box = draw.box,
                     .font = draw.font,
                     .text = draw.caption,
                     .alignment = draw.alignment,
                     .vAlignment = kLabelVAlignment,
                     .hangJu = draw.hangJu,
                     .zoom = draw.zoom,
                     .color = draw.foreColor},
                    SpacedMeasure::Estimates);
}

}  // namespace ky
