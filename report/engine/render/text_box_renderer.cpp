#include "report/engine/render/boxed_text.h"
#include "report/engine/render/element_renderers.h"
#include "report/engine/render/spaced_text.h"
#include "report/engine/render/text_background.h"

#include <algorithm>
#include <optional>

namespace ky {

namespace {

// The text box's display text, or nothing once its value went out as a QR
// code: a square at the box's top-left corner as wide as the box's shorter side.
std::optional<QString> textOrQrCode(Surface& surface, const TextBoxDraw& draw) {
    FormatOptions options = draw.format;
    options.numeric = draw.numeric;
    FormattedValue shown = FormatValue(draw.value, options);
    if (!shown.isQrCode) return std::move(shown.text);
    const double side = std::min(draw.box.width(), draw.box.height());
    surface.drawQrCode(shown.text, QRectF(draw.box.topLeft(), QSizeF(side, side)), draw.qrIcon, draw.centerIconSize);
    return std::nullopt;
}

}  // namespace

void DrawTextBox(Surface& surface, const TextBoxDraw& draw) {
    const auto text = textOrQrCode(surface, draw);
    if (!text) return;
    if (!draw.backTrans) FillTextBackground(surface, draw.box);
    DrawBoxedText(surface, {.box = draw.box,
                            .font = draw.font,
                            .text = *text,
                            .alignment = draw.alignment,
                            .vAlignment = draw.vAlignment,
                            .editCtlWordBreak = draw.editCtlWordBreak,
                            .color = draw.foreColor});
}

void DrawSpacedText(Surface& surface, const TextBoxDraw& draw) {
    const auto text = textOrQrCode(surface, draw);
    if (!text) return;
    if (!draw.backTrans) FillTextBackground(surface, draw.box);
    PrintSpacedText(surface,
                    {.box = draw.box,
                     .font = draw.font,
                     .text = *text,
                     .alignment = draw.alignment,
                     .vAlignment = draw.vAlignment,
                     .hangJu = draw.hangJu,
                     .autoSize = draw.autoSize,
                     .zoom = draw.zoom,
                     .color = draw.foreColor},
                    SpacedMeasure::Target);
}

}  // namespace ky
