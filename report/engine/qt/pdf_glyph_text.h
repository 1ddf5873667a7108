#pragma once
// Which characters each glyph drawn into a PDF was shaped from.
//
// Qt's PDF writer gives each embedded glyph the text of the character its
// font's character map sends to it, and no text to glyphs that only an
// OpenType substitution reaches (the CJK faces draw digits and letters with
// such glyphs next to ideographs). Text drawn that way cannot be searched or
// copied. This draws each line from one layout and remembers, glyph by glyph,
// what it stands for, then reads back the codes the writer gave the glyphs,
// so that the finished file's text maps can be completed.

#include <QPainter>
#include <QString>

#include <memory>
#include <vector>

namespace ky {

// The text of one embedded font: its object number in the file and, for each
// code drawn, the characters the glyph was shaped from.
struct PdfFontText {
    struct Entry {
        quint32 code = 0;
        QString text;
    };
    int fontObject = 0;
    std::vector<Entry> entries;
};

class PdfGlyphText {
public:
    PdfGlyphText();
    ~PdfGlyphText();
    PdfGlyphText(const PdfGlyphText&) = delete;
    PdfGlyphText& operator=(const PdfGlyphText&) = delete;

    // Draws one line from its baseline's start in the painter's font and pen,
    // as QPainter::drawText does, noting its glyphs.
    void drawLine(QPainter& painter, QPointF baseline, const QString& line);

    // The fonts the PDF writer behind `engine` has embedded so far, with the
    // text of every code whose glyph was noted. Read before the painter ends:
    // ending the file lets the writer's fonts go.
    std::vector<PdfFontText> fontTexts(QPaintEngine* engine) const;

private:
    struct Notes;
    std::unique_ptr<Notes> notes_;
};

}  // namespace ky
