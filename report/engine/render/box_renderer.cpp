#include "report/engine/render/element_renderers.h"
#include "report/template/elements/box_model.h"

namespace ky {

namespace {

// The inner lines where the designer shows them: evenly spaced for Rows and
// Cols, then moved to the stored offsets from the top and left edges.
BoxModel designedGrid(const BoxDraw& draw) {
    BoxModel grid;
    grid.geometry = {0, 0, draw.box.width(), draw.box.height()};
    grid.setRows(draw.rows);
    grid.setCols(draw.cols);
    grid.setRowHeight(draw.rowHeight);
    grid.setColWidth(draw.colWidth);
    return grid;
}

// Each shown side lies one pen width inside the box, so that the stroke
// never spills over the box's edge.
void drawBorder(Surface& surface, const BoxDraw& draw) {
    const int pen = PenWidth(surface, draw.borderWidth, draw.zoom);
    const double dx = pen * surface.twipsPerPixelX(), dy = pen * surface.twipsPerPixelY();
    const QRectF inside = draw.box.adjusted(dx, dy, -dx, -dy);
    const auto side = [&](bool shown, QPointF from, QPointF to) {
        if (shown) surface.drawLine(from, to, draw.borderColor, pen);
    };
    side(draw.showLeft, inside.topLeft(), inside.bottomLeft());
    side(draw.showTop, inside.topLeft(), inside.topRight());
    side(draw.showRight, inside.topRight(), inside.bottomRight());
    side(draw.showBottom, inside.bottomLeft(), inside.bottomRight());
}

}  // namespace

// The line width of the report is carried but not used: the border and the
// inner lines have their own widths.
void DrawBox(Surface& surface, const BoxDraw& draw) {
    drawBorder(surface, draw);
    const BoxModel grid = designedGrid(draw);
    const QRectF& box = draw.box;
    const int pen = PenWidth(surface, draw.rcWidth, draw.zoom);
    for (double offset : grid.rowLines)
        surface.drawLine({box.left(), box.top() + offset}, {box.right(), box.top() + offset}, draw.borderColor, pen);
    for (double offset : grid.colLines)
        surface.drawLine({box.left() + offset, box.top()}, {box.left() + offset, box.bottom()}, draw.borderColor, pen);
}

}  // namespace ky
