#include "report/engine/render/boxed_text.h"

#include "report/engine/render/element_renderers.h"

namespace ky {

TextAlignment TextAlignmentOf(int alignment) {
    switch (alignment) {
    case 1: return TextAlignment::Right;
    case 2: return TextAlignment::Center;
    default: return TextAlignment::Left;
    }
}

namespace {

// Where the measured block goes in the box. A block of several lines keeps
// the box's width, so the text call's own alignment flag places each line.
QRectF placed(QRectF block, const QRectF& box, int alignment, int vAlignment) {
    if (alignment == 1) block.moveRight(box.right());
    else if (alignment == 2) block.translate((box.right() - block.right()) / 2, 0);
    if (vAlignment == 1) block.moveBottom(box.bottom());
    else if (vAlignment == 2) block.translate(0, (box.bottom() - block.bottom()) / 2);
    return block;
}

}  // namespace

void DrawBoxedText(Surface& surface, const BoxedText& text) {
    if (text.text.isEmpty()) return;
    const TextFormat format{TextAlignmentOf(text.alignment), {.wordBreak = true, .editControl = text.editCtlWordBreak}};
    const SurfaceFont font = FitFont(surface, text.font, text.box, format, text.text);
    const QRectF measured = surface.measureText(text.box, text.text, font, format);
    surface.drawText(placed(measured, text.box, text.alignment, text.vAlignment), text.text, font, format, text.color);
}

}  // namespace ky
