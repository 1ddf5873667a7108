#include "report/engine/qt/pdf_surface.h"

#include "report/engine/qt/pdf_text_mapping.h"

namespace ky {

PdfSurface::PdfSurface(const QtTextMetrics& metrics, const QString& path)
    : PagedSurface(metrics, writer_), path_(path), writer_(path) {
    writer_.setResolution(kResolution);
    writer_.setCreator(QStringLiteral("kyreport"));
}

PdfSurface::~PdfSurface() { finishFile(); }

void PdfSurface::endDoc() { finishFile(); }

void PdfSurface::finishFile() {
    if (!painter().isActive()) return;
    PagedSurface::endDoc();
    // The file is complete and readable either way: a mapping left as Qt
    // wrote it only extracts some characters as their radicals.
    static_cast<void>(mapRadicalsToIdeographs(path_));
}

}  // namespace ky
