#include "report/engine/qt/paged_surface.h"

#include "report/engine/qt/paper_size.h"

namespace ky {

namespace {

constexpr double kTwipsPerInch = 1440;

}  // namespace

PagedSurface::PagedSurface(const QtTextMetrics& metrics, QPagedPaintDevice& device)
    : PainterSurface(metrics), device_(device) {}

void PagedSurface::setScale(double width, double height) {
    setLogicalScale(width, height);
    mapScaleTo(QSizeF(device_.width(), device_.height()));
}

double PagedSurface::twipsPerPixelX() const { return kTwipsPerInch / device_.logicalDpiX(); }
double PagedSurface::twipsPerPixelY() const { return kTwipsPerInch / device_.logicalDpiY(); }

// The layout is set before the first page begins and, for the pages after it,
// just before the device turns the page: the device applies it to the new page.
void PagedSurface::openPage(int) {
    if (!error_.isEmpty()) return;
    if (!painter().isActive() && pagesDrawn_ == 0) {
        device_.setPageLayout(pageLayoutOf(paperSize_, userPaper_, orientation_));
        if (!painter().begin(&device_)) {
            error_ = QStringLiteral("the output device did not open");
            return;
        }
    } else if (painter().isActive() && pageEnded_) {
        device_.setPageLayout(pageLayoutOf(paperSize_, userPaper_, orientation_));
        device_.newPage();
    }
    pageEnded_ = false;
    ++pagesDrawn_;
    mapScaleTo(QSizeF(device_.width(), device_.height()));
    if (pageListener_) pageListener_(pagesDrawn_);
}

void PagedSurface::endDoc() {
    endPainting();
}

}  // namespace ky
