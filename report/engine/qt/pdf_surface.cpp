#include "report/engine/qt/pdf_surface.h"

namespace ky {

PdfSurface::PdfSurface(const QtTextMetrics& metrics, const QString& path) : PagedSurface(metrics, writer_), writer_(path) {
    writer_.setResolution(kResolution);
    writer_.setCreator(QStringLiteral("kyreport"));
}

PdfSurface::~PdfSurface() { endPainting(); }

}  // namespace ky
