#pragma once
// What every Qt surface shares: drawing in the page's logical twips on a
// QPainter. Subclasses own the device (a picture, a PDF file, a printer),
// map the logical scale onto it and say how large a device pixel is.

#include "report/engine/qt/qt_text_metrics.h"
#include "report/engine/surface/surface.h"

#include <QPainter>

namespace ky {

class PainterSurface : public Surface {
public:
    explicit PainterSurface(const QtTextMetrics& metrics);
    // `measuring` measures for the engine; it must measure what `drawing`
    // draws once fonts go through `logicalFont`.
    PainterSurface(const TextMetrics& measuring, const QtTextMetrics& drawing);

    void printText(QPointF at, const QString& text, int color) override;
    void drawText(const QRectF& rect, const QString& text, const SurfaceFont& font, const TextFormat& format,
                  int color) override;
    void drawLine(QPointF from, QPointF to, int color, int penWidth) override;
    void fillRect(const QRectF& rect, int color) override;
    void drawPicture(const QByteArray& bytes, const QRectF& target) override;
    std::optional<QSizeF> pictureSize(const QByteArray& bytes) const override;
    void drawQrCode(const QString& text, const QRectF& square, const QByteArray& icon, int iconPercent) override;

protected:
    QPainter& painter() { return painter_; }
    // Ends drawing on the device. A subclass that owns its device calls it
    // in its destructor: the painter outlives the subclass's members.
    void endPainting() {
        if (painter_.isActive()) painter_.end();
    }
    const QSizeF& logicalScale() const { return scale_; }
    void setLogicalScale(double width, double height) { scale_ = {width, height}; }
    // Maps the logical scale onto a device area of this many pixels.
    void mapScaleTo(const QSizeF& devicePixels);
    // The font as it is drawn in logical twips (20 a point unless the device
    // counts points otherwise).
    virtual SurfaceFont logicalFont(const SurfaceFont& font) const { return font; }
    // Draws one line of text from its baseline's start, in the painter's
    // font and pen.
    virtual void drawTextLine(QPointF baseline, const QString& line) { painter_.drawText(baseline, line); }

private:
    // One laid-out line with its top-left corner at `at`.
    void drawLineOfText(QPointF at, const QString& line, const SurfaceFont& font, int color);
    // Draws from here on in twips scaled by `scale` (1: the page's twips).
    void useTextScale(double scale);

    const QtTextMetrics& qtMetrics_;
    QPainter painter_;
    QSizeF scale_{1, 1};
    QTransform page_;  // logical twips to device pixels
    double textScale_ = 1;
};

// A template colour number (0x00BBGGRR, or a system colour) as a Qt colour.
QColor colorOf(int color);

}  // namespace ky
