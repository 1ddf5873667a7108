#include "report/engine/render/element_renderers.h"
#include "report/engine/render/spaced_text.h"

namespace ky {

namespace {

constexpr double kMarkColumnWidth = 220;  // twips
constexpr int kCaptionVAlignment = 2;     // captions are centred vertically

const QString& checkMark() {
    static const QString mark = QStringLiteral("√");
    return mark;
}

const QString& square() {
    static const QString text = QStringLiteral("□");
    return text;
}

// The mark and the square are centred in the column, on the box's middle
// line: the square is as wide as the "□" glyph (200 twips at 100 %), so
// 10 twips stay free on either side and the caption starts right after the
// column. The square's pen is one screen pixel in device pixels.
void drawMark(Surface& surface, const CheckBoxDraw& draw, double columnLeft) {
    surface.setFont({.name = QStringLiteral("宋体"), .size = draw.zoom / 10.0, .bold = true});
    const QRectF& box = draw.box;
    if (draw.checked) {
        const QPointF at(columnLeft + (kMarkColumnWidth - surface.textWidth(checkMark())) / 2,
                         box.top() + (box.height() - surface.textHeight(checkMark())) / 2);
        surface.printText(at, checkMark(), draw.foreColor);
    }
    const double side = surface.textWidth(square());
    const QRectF frame(columnLeft + (kMarkColumnWidth - side) / 2, box.center().y() - side / 2, side, side);
    const int pen = PenWidth(surface, 1, 100);
    const QPointF corners[] = {frame.topLeft(), frame.topRight(), frame.bottomRight(), frame.bottomLeft()};
    for (int i = 0; i < 4; ++i) surface.drawLine(corners[i], corners[(i + 1) % 4], draw.foreColor, pen);
}

}  // namespace

void DrawCheckBox(Surface& surface, const CheckBoxDraw& draw) {
    const QRectF& box = draw.box;
    const double columnLeft = draw.markOnLeft ? box.left() : box.right() - kMarkColumnWidth;
    drawMark(surface, draw, columnLeft);

    QString caption = draw.caption;
    caption.remove(u'\r');
    caption.remove(u'\n');
    const double captionLeft = draw.markOnLeft ? box.left() + kMarkColumnWidth : box.left();
    PrintSpacedText(surface,
                    {.box = QRectF(captionLeft, box.top(), box.width() - kMarkColumnWidth, box.height()),
                     .font = draw.font,
                     .text = caption,
                     .alignment = draw.alignment,
                     .vAlignment = kCaptionVAlignment,
                     .hangJu = draw.hangJu,
                     .autoSize = draw.autoSize,
                     .zoom = draw.zoom,
                     .color = draw.foreColor},
                    SpacedMeasure::Target);
}

}  // namespace ky
