#include "report/engine/qt/pdf_glyph_text.h"

// What glyphs a line becomes and which codes the PDF writer gave them are not
// public: both are read from Qt's private text and PDF engines, here only.
#include <QtGui/private/qfontengine_p.h>
#include <QtGui/private/qfontsubset_p.h>
#include <QtGui/private/qpdf_p.h>
#include <QtGui/private/qtextengine_p.h>

#include <QHash>
#include <QVarLengthArray>

#include <utility>

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
    using Texts = QHash<glyph_t, QString>;
    // Per face, per glyph: the characters it was first drawn for.
    QHash<QFontEngine::FaceId, Texts> glyphs;

    // The faces of one line's items, each looked up once.
    class LineFaces {
    public:
        explicit LineFaces(Notes& notes) : notes_(notes) {}

        // The texts of the face that draws `glyph` of `engine`, with the
        // glyph as that face numbers it; null when there is none.
        Texts* textsFor(QFontEngine* engine, glyph_t& glyph) {
            if (engine->type() == QFontEngine::Multi) {
                auto* multi = static_cast<QFontEngineMulti*>(engine);
                const int which = static_cast<int>(glyph >> 24);
                engine = which <= multi->fallbackFamilyCount() ? multi->engine(which) : nullptr;
                glyph &= 0xFFFFFF;
            }
            if (!engine) return nullptr;
            for (const auto& [known, texts] : seen_)
                if (known == engine) return texts;
            Texts* texts = &notes_.glyphs[engine->faceId()];
            seen_.emplace_back(engine, texts);
            return texts;
        }

    private:
        Notes& notes_;
        std::vector<std::pair<QFontEngine*, Texts*>> seen_;
    };

    // Every item of a shaped line: its glyphs and, for each character, the
    // first glyph of its cluster. A cluster's characters go to its first
    // glyph; the glyphs after it (marks, pieces of a split character) add no
    // text of their own.
    void note(const QTextEngine& engine, const QString& line) {
        LineFaces faces(*this);
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
                if (clusters[start] < glyphs.numGlyphs) {
                    glyph_t glyph = glyphs.glyphs[clusters[start]];
                    Texts* texts = faces.textsFor(fontEngine, glyph);
                    if (texts && glyph != 0 && !texts->contains(glyph))
                        texts->insert(glyph, line.mid(si.position + start, end - start));
                }
                start = end;
            }
        }
    }
};

PdfGlyphText::PdfGlyphText() : notes_(std::make_unique<Notes>()) {}
PdfGlyphText::~PdfGlyphText() = default;

// QPainter::drawText(QPointF, QString) step by step: shape the line once,
// note its glyphs, and hand the painter each item in visual order, as
// drawText does with the same items. Drawing stays what it was (the same
// items reach the same paint engine); only the shaping is shared.
void PdfGlyphText::drawLine(QPainter& painter, QPointF baseline, const QString& line) {
    if (line.isEmpty() || painter.pen().style() == Qt::NoPen) return;
    QStackTextEngine engine(line, painter.font());
    engine.option.setTextDirection(painter.layoutDirection());
    engine.itemize();
    QScriptLine scriptLine;
    scriptLine.length = static_cast<int>(line.size());
    engine.shapeLine(scriptLine);
    notes_->note(engine, line);

    const auto& items = engine.layoutData->items;
    const int count = static_cast<int>(items.size());
    QVarLengthArray<int> visualOrder(count);
    QVarLengthArray<uchar> levels(count);
    for (int i = 0; i < count; ++i) levels[i] = static_cast<uchar>(items.at(i).analysis.bidiLevel);
    QTextEngine::bidiReorder(count, levels.data(), visualOrder.data());
    QFixed x = QFixed::fromReal(baseline.x());
    for (int i = 0; i < count; ++i) {
        const int index = visualOrder[i];
        const QScriptItem& si = items.at(index);
        if (si.analysis.flags >= QScriptAnalysis::TabOrObject) {
            x += si.width;
            continue;
        }
        QFont font = engine.font(si);
        QTextItemInt item;
        item.f = &font;
        item.fontEngine = engine.fontEngine(si);
        if (si.analysis.bidiLevel % 2) item.flags |= QTextItem::RightToLeft;
        item.ascent = si.ascent;
        item.descent = si.descent;
        if (font.underline()) {
            item.underlineStyle = QTextCharFormat::SingleUnderline;
            item.flags |= QTextItem::Underline;
        }
        if (font.overline()) item.flags |= QTextItem::Overline;
        if (font.strikeOut()) item.flags |= QTextItem::StrikeOut;
        item.glyphs = engine.shapedGlyphs(&si);
        item.chars = engine.layoutData->string.unicode() + si.position;
        item.num_chars = engine.length(index);
        item.width = si.width;
        item.logClusters = engine.logClusters(&si);
        painter.drawTextItem(QPointF(x.toReal(), baseline.y()), item);
        x += item.width;
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
