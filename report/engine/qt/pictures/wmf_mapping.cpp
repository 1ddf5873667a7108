#include "report/engine/qt/pictures/wmf_mapping.h"

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

enum MapMode { kText = 1, kLoMetric, kHiMetric, kLoEnglish, kHiEnglish, kTwips, kIsotropic, kAnisotropic };

constexpr double kTwipsPerInch = 1440;
// Far beyond any page, well within what painting handles.
constexpr double kCoordinateLimit = 1e7;

// Logical units per inch of the fixed-scale modes.
double unitsPerInchOf(int mode) {
    switch (mode) {
    case kLoMetric: return 254;
    case kHiMetric: return 2540;
    case kLoEnglish: return 100;
    case kHiEnglish: return 1000;
    default: return kTwipsPerInch;
    }
}

bool scalesFreely(int mode) { return mode == kIsotropic || mode == kAnisotropic; }

// Extreme extents make extreme (or undefined) products: they stop here.
double bounded(double v) { return std::isnan(v) ? 0 : std::clamp(v, -kCoordinateLimit, kCoordinateLimit); }

}  // namespace

WmfMapping::WmfMapping(const QRect& box, int unitsPerInch)
    : boxOrigin_(box.topLeft()),
      unitsPerInch_(std::max(1, unitsPerInch)),
      twipsPerUnit_(kTwipsPerInch / unitsPerInch_),
      mode_(kAnisotropic),
      window_{box.topLeft(), box.size()},
      viewport_{box.topLeft(), box.size()} {}

void WmfMapping::setMapMode(int mode) {
    if (mode >= kText && mode <= kAnisotropic) mode_ = mode;
}

void WmfMapping::setExtent(Extent& extent, QSizeF ext) const {
    auto usable = [](double v) { return std::isfinite(v) && v != 0; };
    if (scalesFreely(mode_) && usable(ext.width()) && usable(ext.height())) extent.ext = ext;
}

void WmfMapping::scaleExtent(Extent& extent, QSizeF num, QSizeF denom) const {
    if (denom.width() == 0 || denom.height() == 0) return;
    setExtent(extent, QSizeF(extent.ext.width() * num.width() / denom.width(),
                             extent.ext.height() * num.height() / denom.height()));
}

void WmfMapping::setWindowExt(QSizeF ext) { setExtent(window_, ext); }
void WmfMapping::scaleWindowExt(QSizeF num, QSizeF denom) { scaleExtent(window_, num, denom); }
void WmfMapping::setViewportExt(QSizeF ext) { setExtent(viewport_, ext); }
void WmfMapping::scaleViewportExt(QSizeF num, QSizeF denom) { scaleExtent(viewport_, num, denom); }

// The box's units per logical unit: none in text mode, the ratio of the
// extents when they scale freely (the smaller one on both axes when
// isotropic), the header's units per inch over the mode's in the fixed ones,
// whose y axis points up.
QSizeF WmfMapping::deviceUnitsPerLogical() const {
    if (mode_ == kText) return {1, 1};
    if (!scalesFreely(mode_)) {
        const double s = unitsPerInch_ / unitsPerInchOf(mode_);
        return {s, -s};
    }
    double sx = viewport_.ext.width() / window_.ext.width(), sy = viewport_.ext.height() / window_.ext.height();
    if (mode_ == kIsotropic) {
        const double s = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(s, sx);
        sy = std::copysign(s, sy);
    }
    return {sx, sy};
}

QPointF WmfMapping::map(QPointF logical) const {
    const QSizeF s = deviceUnitsPerLogical();
    const QPointF device((logical.x() - window_.org.x()) * s.width() + viewport_.org.x(),
                         (logical.y() - window_.org.y()) * s.height() + viewport_.org.y());
    const QPointF twips = (device - boxOrigin_) * twipsPerUnit_;
    return {bounded(twips.x()), bounded(twips.y())};
}

QSizeF WmfMapping::scale() const {
    const QSizeF s = deviceUnitsPerLogical() * twipsPerUnit_;
    return {bounded(s.width()), bounded(s.height())};
}

}  // namespace ky
