#include "report/engine/surface/recording_surface.h"

namespace ky {

RecordingSurface::RecordingSurface(const TextMetrics& metrics, Mode mode, PictureSizer pictureSize)
    : Surface(metrics), mode_(mode), pictureSizer_(std::move(pictureSize)) {}

void RecordingSurface::setPictureSize(double widthTwips, double heightTwips) {
    if (mode_ == Mode::Picture) pictureTwips_ = {widthTwips, heightTwips};
}

void RecordingSurface::setScale(double width, double height) {
    scale_ = {width, height};
    if (!pages_.empty()) pages_.back().scale = scale_;
}

void RecordingSurface::clear() {
    if (mode_ == Mode::Picture) pages_.clear();
    else if (!pages_.empty()) pages_.back().ops.clear();
}

// A picture's pixels are screen pixels of the zoomed page; the printer's are its dots.
double RecordingSurface::twipsPerPixelX() const {
    if (mode_ == Mode::Printer) return kPrinterTwipsPerPixel;
    return pictureTwips_.width() > 0 ? kScreenTwipsPerPixel * scale_.width() / pictureTwips_.width() : kScreenTwipsPerPixel;
}

double RecordingSurface::twipsPerPixelY() const {
    if (mode_ == Mode::Printer) return kPrinterTwipsPerPixel;
    return pictureTwips_.height() > 0 ? kScreenTwipsPerPixel * scale_.height() / pictureTwips_.height() : kScreenTwipsPerPixel;
}

void RecordingSurface::openPage(int number) {
    if (mode_ == Mode::Picture) pages_.clear();
    if (mode_ == Mode::Picture || !pageOpen_) pages_.push_back(RecordedPage{number, scale_, paperSize_, orientation_, {}});
    pageOpen_ = true;
}

RecordedPage& RecordingSurface::page() {
    if (pages_.empty()) pages_.push_back(RecordedPage{0, scale_, paperSize_, orientation_, {}});
    return pages_.back();
}

namespace {

DrawOp opOf(DrawOp::Kind kind, const QRectF& rect = {}) {
    DrawOp op;
    op.kind = kind;
    op.rect = rect;
    return op;
}

}  // namespace

void RecordingSurface::printText(QPointF at, const QString& text, int color) {
    DrawOp op = opOf(DrawOp::Kind::PrintText, QRectF(at, QSizeF(textWidth(text), textHeight(text))));
    op.from = at;
    op.text = text;
    op.font = font();
    op.color = color;
    record(std::move(op));
}

void RecordingSurface::drawText(const QRectF& rect, const QString& text, const SurfaceFont& font, const TextFormat& format,
                                int color) {
    DrawOp op = opOf(DrawOp::Kind::Text, rect);
    op.text = text;
    op.font = font;
    op.color = color;
    op.alignment = format.alignment;
    record(std::move(op));
}

void RecordingSurface::drawLine(QPointF from, QPointF to, int color, int penWidth) {
    DrawOp op = opOf(DrawOp::Kind::Line);
    op.from = from;
    op.to = to;
    op.color = color;
    op.penWidth = penWidth;
    record(std::move(op));
}

void RecordingSurface::fillRect(const QRectF& rect, int color) {
    DrawOp op = opOf(DrawOp::Kind::Fill, rect);
    op.color = color;
    record(std::move(op));
}

void RecordingSurface::drawPicture(const QByteArray& bytes, const QRectF& target) {
    DrawOp op = opOf(DrawOp::Kind::Picture, target);
    op.byteCount = bytes.size();
    record(std::move(op));
}

std::optional<QSizeF> RecordingSurface::pictureSize(const QByteArray& bytes) const {
    return pictureSizer_ ? pictureSizer_(bytes) : std::nullopt;
}

void RecordingSurface::drawQrCode(const QString& text, const QRectF& square, const QByteArray& icon, int iconPercent) {
    DrawOp op = opOf(DrawOp::Kind::QrCode, square);
    op.text = text;
    op.byteCount = icon.size();
    op.iconPercent = iconPercent;
    record(std::move(op));
}

}  // namespace ky
