#pragma once
// The render target the engine draws on: a printer, or a picture that shows
// one page. Coordinates are twips in the logical scale the engine sets for
// the page; colours are the templates' colour numbers (0x00BBGGRR); pen
// widths are device pixels. The engine asks `isPrinter` where printing and
// showing a page differ.

#include "report/engine/surface/fitted_font_memo.h"
#include "report/engine/surface/surface_font.h"
#include "report/engine/surface/text_layout.h"
#include "report/engine/surface/text_metrics.h"

#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <limits>
#include <optional>
#include <vector>

namespace ky {

enum class TextAlignment { Left = 0, Right = 1, Center = 2 };

// How a text is laid out in a rectangle: the device text call's flags.
struct TextFormat {
    TextAlignment alignment = TextAlignment::Left;
    TextLayoutOptions layout;
};

class Surface {
public:
    explicit Surface(const TextMetrics& metrics) : metrics_(metrics) {}
    virtual ~Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    virtual bool isPrinter() const = 0;

    // The page. A picture is sized in twips (the page at the zoom) and then
    // given the page's logical scale, so drawing never depends on the zoom.
    virtual void setPictureSize(double widthTwips, double heightTwips) = 0;
    virtual void setScale(double width, double height) = 0;
    virtual void clear() = 0;
    // Logical twips per device pixel (pen widths and font fitting use them).
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;

    // The printer's job and paper; a picture ignores them.
    virtual void setDocumentName(const QString&) {}
    virtual int paperSize() const { return 9; }
    virtual void setPaperSize(int) {}
    virtual void setPaperDimensions(double /*widthTwips*/, double /*heightTwips*/) {}
    virtual void setOrientation(int) {}
    // A drawn page begins; `number` is its physical page number in the run.
    virtual void openPage(int /*number*/) {}
    virtual void newPage() {}
    virtual void endDoc() {}
    // Why the device failed (it would not open, a page could not be
    // written); empty while it works.
    virtual QString error() const { return {}; }

    // Text in the surface's own font, at a point (the target's own output).
    const TextMetrics& metrics() const { return metrics_; }
    void setFont(const SurfaceFont& font) { font_ = font; }
    const SurfaceFont& font() const { return font_; }
    double textWidth(QStringView text) const;   // the widest line
    double textHeight(QStringView text) const;  // every line
    virtual void printText(QPointF at, const QString& text, int color) = 0;

    // Text laid out in a rectangle (the device text call). `measureText`
    // gives the rectangle the text takes: one line ends at its last
    // character; several keep the width unless a word is wider.
    QRectF measureText(const QRectF& rect, const QString& text, const SurfaceFont& font, const TextFormat& format) const;
    virtual void drawText(const QRectF& rect, const QString& text, const SurfaceFont& font, const TextFormat& format,
                          int color) = 0;

    virtual void drawLine(QPointF from, QPointF to, int color, int penWidth) = 0;
    virtual void fillRect(const QRectF& rect, int color) = 0;
    // A picture file's bytes stretched into the rectangle; bytes that are no
    // picture draw nothing.
    virtual void drawPicture(const QByteArray& bytes, const QRectF& target) = 0;
    // The natural size of a picture in twips; nothing when it is none.
    virtual std::optional<QSizeF> pictureSize(const QByteArray& bytes) const = 0;
    virtual void drawQrCode(const QString& text, const QRectF& square, const QByteArray& icon, int iconPercent) = 0;

    // Fonts FitFont found, for the texts it fitted last.
    FittedFontMemo& fittedFonts() const { return fittedFonts_; }

protected:
    // Text broken into lines in the measuring metrics; one text laid out
    // again, as measuring and drawing a text box do, is laid out once.
    std::vector<TextLine> layout(const QString& text, double maxWidth, const SurfaceFont& font,
                                 const TextLayoutOptions& options) const {
        return layouts_.lines(text, maxWidth, metrics_, font, options);
    }
    // One line per line break, as text at a point is drawn.
    std::vector<TextLine> unwrapped(const QString& text, const SurfaceFont& font) const {
        return layout(text, std::numeric_limits<double>::infinity(), font, {.wordBreak = false});
    }

private:
    const TextMetrics& metrics_;
    SurfaceFont font_;
    mutable TextLayoutMemo layouts_;
    mutable FittedFontMemo fittedFonts_;
};

}  // namespace ky
