#pragma once
// A page as a picture: the preview page and the .png/.bmp outputs. The
// picture has the page's size at 96 pixels per inch times `resolution`;
// the engine sees a screen at 100 %, so pens and fonts keep their
// proportions at any resolution.

#include "report/engine/qt/painter_surface.h"

#include <QImage>

namespace ky {

class PictureSurface final : public PainterSurface {
public:
    explicit PictureSurface(const QtTextMetrics& metrics, double resolution = 1.0);

    // The page drawn so far; drawing ends until the next page.
    QImage image();

    bool isPrinter() const override { return false; }
    void setPictureSize(double widthTwips, double heightTwips) override;
    void setScale(double width, double height) override;
    void clear() override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;

private:
    double resolution_;
    QSizeF pictureTwips_;
    QImage image_;
};

}  // namespace ky
