#pragma once
// Breaking text into lines the way the device text call does: line breaks
// (CR LF, LF or CR) always; with word break, at blanks and around wide
// characters; with the edit-control flag, also inside a word that is wider
// than the line.

#include "report/engine/surface/text_metrics.h"

#include <QString>

#include <vector>

namespace ky {

struct TextLayoutOptions {
    bool wordBreak = true;
    bool editControl = false;
};

struct TextLine {
    QString text;
    double width = 0;
};

std::vector<TextLine> layoutText(const QString& text, double maxWidth, const TextMetrics& metrics, const SurfaceFont& font,
                                 const TextLayoutOptions& options);

}  // namespace ky
