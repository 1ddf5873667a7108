#pragma once
// Pages written to a PDF file: text stays text, in the embedded faces
// (CJK included), lines and fills stay vectors.

#include "report/engine/qt/paged_surface.h"
#include "report/engine/qt/pdf_glyph_text.h"

#include <QPdfWriter>

namespace ky {

class PdfSurface final : public PagedSurface {
public:
    // Device pixels per inch: pens are whole pixels of this size.
    static constexpr int kResolution = 600;

    PdfSurface(const QtTextMetrics& metrics, const QString& path);
    ~PdfSurface() override;
    void setDocumentName(const QString& name) override { writer_.setTitle(name); }
    void endDoc() override;

protected:
    void drawTextLine(QPointF baseline, const QString& line) override;

private:
    // Ends the file and completes its text maps: every glyph drawn gets the
    // characters it was shaped from, and radicals the CJK faces share with
    // ideographs read as the ideographs.
    void finishFile();

    QString path_;
    QPdfWriter writer_;
    PdfGlyphText glyphText_;
};

}  // namespace ky
