#pragma once
// Pages written to a PDF file: text stays text, in the embedded faces
// (CJK included), lines and fills stay vectors.

#include "report/engine/qt/paged_surface.h"

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

private:
    // Ends the file and points its text mapping at the ideographs the
    // radicals of the CJK faces share their glyphs with.
    void finishFile();

    QString path_;
    QPdfWriter writer_;
};

}  // namespace ky
