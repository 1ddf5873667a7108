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

void PdfSurface::drawTextLine(QPointF baseline, const QString& line) {
    glyphText_.drawLine(painter(), baseline, line);
}

void PdfSurface::finishFile() {
    if (!painter().isActive()) return;
    const auto fonts = glyphText_.fontTexts(painter().paintEngine());
    PagedSurface::endDoc();
    // The file is complete and readable either way: maps left as Qt wrote
    // them only extract some characters wrongly or not at all.
    static_cast<void>(mendPdfText(path_, fonts));
}

}  // namespace ky
