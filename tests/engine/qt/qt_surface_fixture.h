#pragma once
// A picture surface set up as the engine sets up a page: an A4 page of
// 11906 × 16838 twips at 100 % (794 × 1123 pixels), and what was drawn on it.

#include "report/engine/qt/picture_surface.h"

#include <QImage>

namespace ky::test {

class PictureFixture {
public:
    static constexpr double kPageWidth = 11906, kPageHeight = 16838;

    explicit PictureFixture(double resolution = 1.0) : surface(metrics, resolution) {
        surface.setPictureSize(kPageWidth, kPageHeight);
        surface.setScale(kPageWidth, kPageHeight);
        surface.clear();
    }

    // Pixels of the logical rectangle that are not white.
    int inkIn(const QRectF& twips) {
        const QImage image = surface.image();
        const double sx = image.width() / kPageWidth, sy = image.height() / kPageHeight;
        const QRect pixels = QRectF(twips.x() * sx, twips.y() * sy, twips.width() * sx, twips.height() * sy)
                                 .toAlignedRect()
                                 .intersected(image.rect());
        int ink = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x) ink += image.pixel(x, y) != qRgb(255, 255, 255);
        return ink;
    }

    QtTextMetrics metrics;
    PictureSurface surface;
};

}  // namespace ky::test
