#include "report/engine/qt/painter_surface.h"

#include "report/engine/qt/pictures/metafile.h"
#include "report/engine/qt/pictures/picture_loader.h"
#include "report/engine/qt/qr_code.h"
#include "report/engine/qt/qt_picture_size.h"
#include "report/engine/surface/colors.h"

#include <QSvgRenderer>

#include <cmath>
#include <limits>

namespace ky {

QColor colorOf(int color) {
    const int rgb = resolveColor(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

PainterSurface::PainterSurface(const QtTextMetrics& metrics) : Surface(metrics), qtMetrics_(metrics) {}

PainterSurface::PainterSurface(const TextMetrics& measuring, const QtTextMetrics& drawing)
    : Surface(measuring), qtMetrics_(drawing) {}

// Every drawing call sets the pen or brush it needs, so the painter's state
// is not saved and restored around each one (that costs PDF output dearly).
void PainterSurface::mapScaleTo(const QSizeF& devicePixels) {
    if (!painter_.isActive() || scale_.width() <= 0 || scale_.height() <= 0) return;
    page_ = QTransform::fromScale(devicePixels.width() / scale_.width(), devicePixels.height() / scale_.height());
    textScale_ = 1;
    painter_.setTransform(page_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// A PDF page restates its whole graphics state whenever the transform
// changes, so the transform changes only when the text's scale does, not for
// every text drawn.
void PainterSurface::useTextScale(double scale) {
    if (scale == textScale_) return;
    textScale_ = scale;
    painter_.setTransform(QTransform::fromScale(scale, scale) * page_);
}

// The face is drawn at its reference size, scaled down to the font's size,
// so that every glyph advance is the one the metrics measured.
void PainterSurface::drawLineOfText(QPointF at, const QString& line, const SurfaceFont& zoomedFont, int color) {
    if (line.isEmpty() || !painter_.isActive()) return;
    const SurfaceFont font = logicalFont(zoomedFont);
    const double scale = QtTextMetrics::scale(font);
    if (!(scale > 0)) return;
    useTextScale(scale);
    painter_.setFont(qtMetrics_.referenceFaceOf(font));
    // Text takes only the pen's colour: a line's pen of that colour stays.
    const QColor ink = colorOf(color);
    if (painter_.pen().color() != ink) painter_.setPen(ink);
    drawTextLine(QPointF(at.x(), at.y() + qtMetrics_.ascent(font)) / scale, line);
}

void PainterSurface::printText(QPointF at, const QString& text, int color) {
    const double lineHeight = metrics().lineHeight(font());
    const auto lines = unwrapped(text, font());
    for (std::size_t i = 0; i < lines.size(); ++i)
        drawLineOfText(at + QPointF(0, static_cast<double>(i) * lineHeight), lines[i].text, font(), color);
}

// No clipping: a line wider than the rectangle runs over it, as the device
// text call draws it. The rectangle is usually the measured one, moved by
// the alignment arithmetic, so its width can come back a rounding off: the
// tolerance keeps that from breaking a line that measured as one.
void PainterSurface::drawText(const QRectF& rect, const QString& text, const SurfaceFont& font, const TextFormat& format,
                              int color) {
    constexpr double kRelativeTolerance = 1e-9;
    const double lineHeight = metrics().lineHeight(font);
    const double width = rect.width() + std::abs(rect.width()) * kRelativeTolerance + kRelativeTolerance;
    const auto lines = layout(text, width, font, format.layout);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        double x = rect.left();
        if (format.alignment == TextAlignment::Right) x = rect.right() - lines[i].width;
        else if (format.alignment == TextAlignment::Center) x = rect.left() + (rect.width() - lines[i].width) / 2;
        drawLineOfText({x, rect.top() + static_cast<double>(i) * lineHeight}, lines[i].text, font, color);
    }
}

void PainterSurface::drawLine(QPointF from, QPointF to, int color, int penWidth) {
    if (!painter_.isActive()) return;
    // The width is in device pixels; the painter draws in twips. Ends as the
    // platform's pens have them: a thin line stops at its end point, a wide
    // one is rounded there (so that a box's sides meet without a notch).
    const int width = std::max(1, penWidth);
    QPen pen(colorOf(color), width * twipsPerPixelX(), Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap,
             Qt::RoundJoin);
    useTextScale(1);
    painter_.setPen(pen);
    painter_.drawLine(from, to);
}

void PainterSurface::fillRect(const QRectF& rect, int color) {
    if (!painter_.isActive()) return;
    useTextScale(1);
    painter_.fillRect(rect, colorOf(color));
}

// Metafiles stay vectors (sharp in PDF and on paper); other pictures are
// drawn as images.
void PainterSurface::drawPicture(const QByteArray& bytes, const QRectF& target) {
    if (!painter_.isActive() || target.isEmpty()) return;
    useTextScale(1);
    if (metafileKind(bytes) != MetafileKind::None) {
        QSvgRenderer renderer(metafileToSvg(bytes));
        if (!renderer.isValid()) return;
        painter_.save();  // the picture sets pens, brushes and clips of its own
        renderer.render(&painter_, target);
        painter_.restore();
        return;
    }
    const QImage image = loadPicture(bytes);
    if (!image.isNull()) painter_.drawImage(target, image);
}

std::optional<QSizeF> PainterSurface::pictureSize(const QByteArray& bytes) const { return naturalPictureSize(bytes); }

void PainterSurface::drawQrCode(const QString& text, const QRectF& square, const QByteArray& icon, int iconPercent) {
    if (!painter_.isActive()) return;
    useTextScale(1);
    drawQr(painter_, text, square, icon, iconPercent);
}

}  // namespace ky
