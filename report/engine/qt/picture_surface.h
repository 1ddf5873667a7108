#pragma once
// A page as a picture: the preview page and the .png/.bmp outputs. The
// picture has the page's size at the engine's zoom, at 96 pixels per inch
// times `resolution`; the engine sees a screen at its zoom, so pens and fonts
// keep their proportions at any resolution. Font sizes arrive multiplied by
// the zoom, as points of the screen: in the page's logical twips they are
// the unzoomed size, and the surface measures and draws them so.

#include "report/engine/qt/painter_surface.h"

#include <QImage>

namespace ky {

class PictureSurface final : public PainterSurface {
public:
    explicit PictureSurface(const QtTextMetrics& metrics, double resolution = 1.0);
    ~PictureSurface() override;

    // The page drawn so far; drawing ends until the next page.
    QImage image();

    bool isPrinter() const override { return false; }
    void setPictureSize(double widthTwips, double heightTwips) override;
    void setScale(double width, double height) override;
    void clear() override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;

protected:
    SurfaceFont logicalFont(const SurfaceFont& font) const override;

private:
    // The engine's zoom as a factor: the picture's twips over the logical ones.
    double zoom() const;

    // Measures fonts at their logical size.
    class LogicalMetrics final : public TextMetrics {
    public:
        explicit LogicalMetrics(const PictureSurface& surface) : surface_(surface) {}
        double width(QStringView text, const SurfaceFont& font) const override;
        double lineHeight(const SurfaceFont& font) const override;

    private:
        const PictureSurface& surface_;
    };

    const QtTextMetrics& drawing_;
    LogicalMetrics measuring_{*this};
    double resolution_;
    QSizeF pictureTwips_;
    QImage image_;
};

}  // namespace ky
