#include "report/engine/qt/pdf_glyph_text.h"

// What glyphs a line becomes and which codes the PDF writer gave them are not
// public: both are read from Qt's private text and PDF engines, here only.
#include <QtGui/private/qfontengine_p.h>
#include <QtGui/private/qfontsubset_p.h>
#include <QtGui/private/qpdf_p.h>
#include <QtGui/private/qtextengine_p.h>

#include <QHash>
#include <QSet>

namespace ky {

namespace {

// The writer's state hangs off the engine's protected private pointer.
struct PaintEngineAccess : QPaintEngine {
    static QPaintEnginePrivate* privateOf(QPaintEngine* engine) {
        return (engine->*(&PaintEngineAccess::d_ptr)).data();
    }
};

}  // namespace

struct PdfGlyphText::Notes {
    // Per face, per glyph: the characters it was first drawn for.
    QHash<QFontEngine::FaceId, QHash<glyph_t, QString>> glyphs;
    // Lines already noted, with their font's key: reports draw the same texts
    // again and again. Bounded: past it, lines are shaped again.
    static constexpr qsizetype kMaxLines = 100000;
    QSet<QString> lines;
    QFont lastFont;
    QString lastKey;

    void note(QFontEngine* engine, glyph_t glyph, QStringView characters) {
        if (engine->type() == QFontEngine::Multi) {
            auto* multi = static_cast<QFontEngineMulti*>(engine);
            const int which = static_cast<int>(glyph >> 24);
            engine = which <= multi->fallbackFamilyCount() ? multi->engine(which) : nullptr;
            glyph &= 0xFFFFFF;
        }
        if (!engine || glyph == 0) return;
        auto& texts = glyphs[engine->faceId()];
        if (!texts.contains(glyph)) texts.insert(glyph, characters.toString());
    }
};

PdfGlyphText::PdfGlyphText() : notes_(std::make_unique<Notes>()) {}
PdfGlyphText::~PdfGlyphText() = default;

// Shaped as QPainter::drawText shapes a line: items of one script and face,
// each with its glyphs and, for each character, the first glyph of its
// cluster. A cluster's characters go to its first glyph; the glyphs after it
// (marks, pieces of a split character) add no text of their own.
void PdfGlyphText::note(const QString& line, const QFont& font) {
    if (line.isEmpty()) return;
    if (!(font == notes_->lastFont) || notes_->lastKey.isEmpty()) {
        notes_->lastFont = font;
        notes_->lastKey = font.key() + u'\n';
    }
    const QString seen = notes_->lastKey + line;
    if (notes_->lines.contains(seen)) return;
    if (notes_->lines.size() >= Notes::kMaxLines) notes_->lines.clear();
    notes_->lines.insert(seen);

    QStackTextEngine engine(line, font);
    engine.itemize();
    QScriptLine scriptLine;
    scriptLine.length = line.size();
    engine.shapeLine(scriptLine);
    const auto& items = engine.layoutData->items;
    for (int item = 0; item < items.size(); ++item) {
        const QScriptItem& si = items.at(item);
        if (si.analysis.flags >= QScriptAnalysis::TabOrObject || si.num_glyphs == 0) continue;
        QFontEngine* fontEngine = engine.fontEngine(si);
        if (!fontEngine) continue;
        const QGlyphLayout glyphs = engine.shapedGlyphs(&si);
        const unsigned short* clusters = engine.logClusters(&si);
        const int length = engine.length(item);
        for (int start = 0; start < length;) {
            int end = start + 1;
            while (end < length && clusters[end] == clusters[start]) ++end;
            const int glyph = clusters[start];
            if (glyph < glyphs.numGlyphs)
                notes_->note(fontEngine, glyphs.glyphs[glyph], QStringView(line).sliced(si.position + start, end - start));
            start = end;
        }
    }
}

std::vector<PdfFontText> PdfGlyphText::fontTexts(QPaintEngine* engine) const {
    std::vector<PdfFontText> result;
    if (!engine || engine->type() != QPaintEngine::Pdf) return result;
    const auto* writer = static_cast<QPdfEnginePrivate*>(PaintEngineAccess::privateOf(engine));
    for (auto font = writer->fonts.cbegin(); font != writer->fonts.cend(); ++font) {
        const auto noted = notes_->glyphs.constFind(font.key());
        if (noted == notes_->glyphs.cend()) continue;
        PdfFontText text;
        text.fontObject = static_cast<int>(font.value()->object_id);
        const QList<uint>& codes = font.value()->glyph_indices;
        for (qsizetype code = 0; code < codes.size(); ++code) {
            const auto characters = noted->constFind(codes[code]);
            if (characters != noted->cend()) text.entries.push_back({static_cast<quint32>(code), *characters});
        }
        if (!text.entries.empty()) result.push_back(std::move(text));
    }
    return result;
}

}  // namespace ky
