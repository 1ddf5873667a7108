#include "report/engine/qt/picture_surface.h"

#include "platform/saturating_int.h"

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

constexpr double kScreenTwipsPerPixel = 15;
// A page larger than this many pixels a side is not allocated.
constexpr double kMaxPixels = 20000;

int pixels(double twips, double resolution) {
    return std::clamp(roundedInt(twips / kScreenTwipsPerPixel * resolution), 1, static_cast<int>(kMaxPixels));
}

}  // namespace

// The base keeps a reference to `measuring_`, which is ready before anything is measured.
PictureSurface::PictureSurface(const QtTextMetrics& metrics, double resolution)
    : PainterSurface(measuring_, metrics), drawing_(metrics), resolution_(resolution > 0 ? resolution : 1.0) {}

PictureSurface::~PictureSurface() { endPainting(); }

double PictureSurface::zoom() const {
    const double logical = logicalScale().width();
    return pictureTwips_.width() > 0 && logical > 0 ? pictureTwips_.width() / logical : 1.0;
}

SurfaceFont PictureSurface::logicalFont(const SurfaceFont& font) const {
    SurfaceFont logical = font;
    logical.size /= zoom();
    return logical;
}

double PictureSurface::LogicalMetrics::width(QStringView text, const SurfaceFont& font) const {
    return surface_.drawing_.width(text, surface_.logicalFont(font));
}

double PictureSurface::LogicalMetrics::lineHeight(const SurfaceFont& font) const {
    return surface_.drawing_.lineHeight(surface_.logicalFont(font));
}

QImage PictureSurface::image() {
    endPainting();
    return image_;
}

void PictureSurface::setPictureSize(double widthTwips, double heightTwips) {
    endPainting();
    pictureTwips_ = {widthTwips, heightTwips};
    image_ = QImage(pixels(widthTwips, resolution_), pixels(heightTwips, resolution_), QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void PictureSurface::setScale(double width, double height) {
    setLogicalScale(width, height);
    mapScaleTo(image_.size());
}

void PictureSurface::clear() {
    if (image_.isNull()) return;
    endPainting();
    image_.fill(Qt::white);
    painter().begin(&image_);
    mapScaleTo(image_.size());
}

// The engine's pixels are those of a screen showing the page at its zoom.
double PictureSurface::twipsPerPixelX() const {
    return pictureTwips_.width() > 0 ? kScreenTwipsPerPixel * logicalScale().width() / pictureTwips_.width()
                                     : kScreenTwipsPerPixel;
}

double PictureSurface::twipsPerPixelY() const {
    return pictureTwips_.height() > 0 ? kScreenTwipsPerPixel * logicalScale().height() / pictureTwips_.height()
                                      : kScreenTwipsPerPixel;
}

}  // namespace ky
