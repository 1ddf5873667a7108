#pragma once
// Where a WMF's logical coordinates land in the picture. The metafile plays
// on a device that is the placeable header's box, as a program placing the
// picture sets it up: an anisotropic mapping whose window and viewport are
// both the box, until the metafile sets a window (or viewport) of its own.
// The picture's coordinates are twips from the box's top-left corner.

#include <QPointF>
#include <QRect>
#include <QSizeF>

namespace ky {

class WmfMapping {
public:
    WmfMapping(const QRect& box, int unitsPerInch);

    void setMapMode(int mode);
    void setWindowOrg(QPointF org) { window_.org = org; }
    void offsetWindowOrg(QPointF offset) { window_.org += offset; }
    void setWindowExt(QSizeF ext);
    void scaleWindowExt(QSizeF num, QSizeF denom);
    void setViewportOrg(QPointF org) { viewport_.org = org; }
    void offsetViewportOrg(QPointF offset) { viewport_.org += offset; }
    void setViewportExt(QSizeF ext);
    void scaleViewportExt(QSizeF num, QSizeF denom);

    // A logical point in the picture's twips, kept within a range that
    // painting handles without trouble.
    QPointF map(QPointF logical) const;
    // Twips per logical unit along each axis, negative where an axis flips.
    QSizeF scale() const;
    // A screen pixel at the picture's natural size, in twips.
    static constexpr double kPixel = 15;

private:
    struct Extent {
        QPointF org;
        QSizeF ext;
    };
    // Extents only change in the modes that scale freely, and never to zero.
    void setExtent(Extent& extent, QSizeF ext) const;
    void scaleExtent(Extent& extent, QSizeF num, QSizeF denom) const;
    QSizeF deviceUnitsPerLogical() const;

    QPointF boxOrigin_;
    int unitsPerInch_;
    double twipsPerUnit_;
    int mode_;
    Extent window_, viewport_;
};

}  // namespace ky
