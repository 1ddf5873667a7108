#include "report/engine/emf/emf_surface.h"

#include "report/engine/emf/emf_page_writer.h"
#include "report/engine/qt/qt_picture_size.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ky {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kPointsPerInch = 72;
// Keeps coordinates of a stray template far inside the record's 32-bit integers.
constexpr double kFarthestPixel = 1e8;

int roundedPixel(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::lround(std::clamp(value, -kFarthestPixel, kFarthestPixel)));
}

}  // namespace

EmfSurface::EmfSurface(const TextMetrics& metrics, EmfSurfaceOptions options, PageFile pageFile,
                       PictureDecoder decodePicture, QrModules qrModules)
    : Surface(metrics),
      options_(options),
      pageFile_(std::move(pageFile)),
      decodePicture_(std::move(decodePicture)),
      qrModules_(std::move(qrModules)) {}

EmfSurface::~EmfSurface() = default;

void EmfSurface::setScale(double width, double height) {
    if (width > 0 && height > 0) scale_ = {width, height};
}

double EmfSurface::twipsPerPixelX() const { return kTwipsPerInch / options_.dpi.width(); }
double EmfSurface::twipsPerPixelY() const { return kTwipsPerInch / options_.dpi.height(); }

QPoint EmfSurface::toDevice(QPointF twips) const {
    return {roundedPixel(twips.x() / twipsPerPixelX()), roundedPixel(twips.y() / twipsPerPixelY())};
}

QRect EmfSurface::toDevice(const QRectF& twips) const {
    return QRect(toDevice(twips.topLeft()), toDevice(twips.bottomRight()) - QPoint(1, 1));
}

void EmfSurface::openPage(int) {
    if (!page_) page();
}

EmfPageWriter& EmfSurface::page() {
    if (!page_) {
        ++pagesStarted_;
        const QSize size(roundedPixel(scale_.width() / twipsPerPixelX()), roundedPixel(scale_.height() / twipsPerPixelY()));
        page_ = std::make_unique<EmfPageWriter>(pageFile_(pagesStarted_), size, options_.dpi,
                                                QStringLiteral("KyReport") + QChar(0) + documentName_);
    }
    return *page_;
}

void EmfSurface::newPage() {
    if (!page_) return;
    const std::unique_ptr<EmfPageWriter> done = std::move(page_);
    if (const Status status = done->finish(); !status) {
        if (error_.isEmpty()) error_ = status.error();
    } else {
        written_ << pageFile_(pagesStarted_);
    }
}

void EmfSurface::drawLines(QPointF topLeft, double boxWidth, const std::vector<TextLine>& lines, const SurfaceFont& font,
                           TextAlignment alignment, int color) {
    const EmfFont emfFont{font.name, roundedPixel(font.size * options_.dpi.height() / kPointsPerInch), font.bold,
                          font.italic, font.underline};
    const double lineHeight = metrics().lineHeight(font);
    const std::uint32_t colorRef = deviceColor(color, options_.colors);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        if (line.text.isEmpty()) continue;
        double x = topLeft.x();
        if (alignment == TextAlignment::Right) x += boxWidth - line.width;
        else if (alignment == TextAlignment::Center) x += (boxWidth - line.width) / 2;
        const QPoint at = toDevice(QPointF(x, topLeft.y() + static_cast<double>(i) * lineHeight));
        // Each unit's advance as our metrics measure it, so the page keeps the measured line breaks.
        std::vector<std::int32_t> advances;
        double edge = 0;
        int lastPixel = 0;
        for (qsizetype k = 0; k < line.text.size(); ++k) {
            const bool pair = line.text.at(k).isHighSurrogate() && k + 1 < line.text.size();
            edge += metrics().width(QStringView(line.text).mid(k, pair ? 2 : 1), font);
            const int pixel = roundedPixel(edge / twipsPerPixelX());
            advances.push_back(pixel - lastPixel);
            if (pair) advances.push_back(0), ++k;
            lastPixel = pixel;
        }
        page().text(at, line.text, advances, emfFont, colorRef);
    }
}

void EmfSurface::printText(QPointF at, const QString& text, int color) {
    drawLines(at, 0, unwrapped(text, font()), font(), TextAlignment::Left, color);
}

void EmfSurface::drawText(const QRectF& rect, const QString& text, const SurfaceFont& font, const TextFormat& format,
                          int color) {
    drawLines(rect.topLeft(), rect.width(), layout(text, rect.width(), font, format.layout), font,
              format.alignment, color);
}

void EmfSurface::drawLine(QPointF from, QPointF to, int color, int penWidth) {
    page().line(toDevice(from), toDevice(to), deviceColor(color, options_.colors), penWidth);
}

void EmfSurface::fillRect(const QRectF& rect, int color) {
    page().fillRect(toDevice(rect.normalized()), deviceColor(color, options_.colors));
}

void EmfSurface::drawPicture(const QByteArray& bytes, const QRectF& target) {
    const QRect device = toDevice(target.normalized());
    if (device.isEmpty() || !decodePicture_) return;
    const std::optional<QImage> image = decodePicture_(bytes);
    if (!image || image->isNull()) return;
    // More pixels than the page shows would only make the file larger.
    const QSize size = image->size().boundedTo(device.size());
    page().bitmap(device, deviceBitmap(*image, size, options_.colors));
}

std::optional<QSizeF> EmfSurface::pictureSize(const QByteArray& bytes) const { return naturalPictureSize(bytes); }

void EmfSurface::drawQrCode(const QString& text, const QRectF& square, const QByteArray& icon, int iconPercent) {
    const std::vector<std::vector<bool>> modules = qrModules_ ? qrModules_(text) : std::vector<std::vector<bool>>{};
    const std::uint32_t black = deviceColor(0, options_.colors);
    if (modules.empty()) {
        // No encoder: the square's frame shows where the code belongs.
        const QRect frame = toDevice(square);
        page().line(frame.topLeft(), frame.topRight(), black, 1);
        page().line(frame.topRight(), frame.bottomRight(), black, 1);
        page().line(frame.bottomRight(), frame.bottomLeft(), black, 1);
        page().line(frame.bottomLeft(), frame.topLeft(), black, 1);
    } else {
        const double module = square.width() / static_cast<double>(modules.size());
        for (std::size_t row = 0; row < modules.size(); ++row) {
            // Runs of dark modules in a row become one rectangle each.
            const std::vector<bool>& dark = modules[row];
            for (std::size_t start = 0; start < dark.size();) {
                if (!dark[start]) {
                    ++start;
                    continue;
                }
                std::size_t end = start;
                while (end < dark.size() && dark[end]) ++end;
                const QPointF topLeft(square.left() + static_cast<double>(start) * module,
                                      square.top() + static_cast<double>(row) * module);
                page().fillRect(toDevice(QRectF(topLeft, QSizeF(static_cast<double>(end - start) * module, module))), black);
                start = end;
            }
        }
    }
    if (icon.isEmpty() || iconPercent <= 0) return;
    const double side = square.width() * std::min(iconPercent, 100) / 100.0;
    drawPicture(icon, QRectF(square.center() - QPointF(side / 2, side / 2), QSizeF(side, side)));
}

}  // namespace ky
