#pragma once
// A surface whose pages follow one another on a paged device: a PDF file or
// a printer. Every page takes the paper size and orientation the engine set
// for it; the logical scale covers the whole paper.

#include "report/engine/qt/painter_surface.h"

#include <QPagedPaintDevice>

#include <functional>

namespace ky {

class PagedSurface : public PainterSurface {
public:
    bool isPrinter() const override { return true; }
    void setPictureSize(double, double) override {}
    void setScale(double width, double height) override;
    void clear() override {}
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;

    int paperSize() const override { return paperSize_; }
    void setPaperSize(int code) override { paperSize_ = code; }
    void setPaperDimensions(double widthTwips, double heightTwips) override { userPaper_ = {widthTwips, heightTwips}; }
    void setOrientation(int orientation) override { orientation_ = orientation; }
    void openPage(int number) override;
    void newPage() override { pageEnded_ = true; }
    void endDoc() override;

    // Called as each page begins, with the number of pages begun (progress of long runs).
    void setPageListener(std::function<void(int)> listener) { pageListener_ = std::move(listener); }

    // Pages drawn so far; the reason the device would not open (empty when it did).
    int pagesDrawn() const { return pagesDrawn_; }
    QString error() const override { return error_; }

protected:
    PagedSurface(const QtTextMetrics& metrics, QPagedPaintDevice& device);

private:
    QPagedPaintDevice& device_;
    int paperSize_ = 9;
    QSizeF userPaper_;
    int orientation_ = 1;
    bool pageEnded_ = false;
    int pagesDrawn_ = 0;
    QString error_;
    std::function<void(int)> pageListener_;
};

}  // namespace ky
