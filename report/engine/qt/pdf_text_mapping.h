#pragma once
// The text behind the glyphs of a finished PDF file (its ToUnicode maps).
//
// Qt's PDF writer maps each embedded glyph back to the lowest character code
// that uses it. The CJK faces draw a radical and its ideograph (⼀ and 一,
// ⻚ and 页) with one glyph, so text copied or searched in our PDF files came
// out as radicals; and glyphs that no character code reaches (substitutions
// of the face) got no text at all.

#include "platform/result.h"
#include "report/engine/qt/pdf_glyph_text.h"

#include <QByteArray>
#include <QString>

namespace ky {

// Rewrites the ToUnicode maps in `pdf` in place. Every code keeps its four
// hex digits, so nothing in the file moves. Returns the entries changed.
int mapRadicalsToIdeographs(QByteArray& pdf);

// Gives each font's codes the text noted while drawing: the fonts' maps are
// written anew, with the other entries as they were, in an update appended
// to the file (nothing before it moves). Returns the maps written.
int completeTextMaps(QByteArray& pdf, const std::vector<PdfFontText>& fonts);

// Both for a PDF file, rewritten only when an entry changed.
Status mendPdfText(const QString& path, const std::vector<PdfFontText>& fonts = {});

}  // namespace ky
