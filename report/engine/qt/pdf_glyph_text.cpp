#include "report/engine/qt/pdf_glyph_text.h"

// What glyphs a line becomes and which codes the PDF writer gave them are not
// public: both are read from Qt's private text and PDF engines, here only.
#include <QtGui/private/qfontengine_p.h>
#include <QtGui/private/qfontsubset_p.h>
#include <QtGui/private/qpdf_p.h>
#include <QtGui/private/qtextengine_p.h>

#include <QHash>
#include <QVarLengthArray>

#include <memory>

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
    // Per glyph of a face: the characters it was first drawn for (null: none yet).
    using Texts = std::vector<QString>;
    // Faces' glyph numbers are 16-bit; anything above is no glyph to note.
    static constexpr glyph_t kMaxGlyph = 0xFFFF;

    // Per face; each list stays where it is while others are added.
    QHash<QFontEngine::FaceId, std::shared_ptr<Texts>> glyphs;
    // The face of each engine met so far. The engines are held, so that no
    // other engine can take an address noted here.
    QHash<QFontEngine*, Texts*> engines;

    Notes() = default;
    Notes(const Notes&) = delete;
    Notes& operator=(const Notes&) = delete;
    ~Notes() {
        for (auto engine = engines.keyBegin(); engine != engines.keyEnd(); ++engine)
            if (!(*engine)->ref.deref()) delete *engine;
    }

    // The texts of a face's engine (a single face, not a list of fallbacks).
    Texts& textsOf(QFontEngine* engine) {
        if (Texts* known = engines.value(engine)) return *known;
        std::shared_ptr<Texts>& texts = glyphs[engine->faceId()];
        if (!texts) texts = std::make_shared<Texts>();
        engine->ref.ref();
        engines.insert(engine, texts.get());
        return *texts;
    }

    // The faces of one item: a list of fallbacks numbers its glyphs with the
    // face in the top byte; the last face asked for is kept at hand.
    class ItemFaces {
    public:
        ItemFaces(Notes& notes, QFontEngine* engine)
            : notes_(notes), engine_(engine), multi_(engine->type() == QFontEngine::Multi) {}

        // The texts of the face that draws `glyph`, with the glyph as that
        // face numbers it; null when there is none.
        Texts* textsFor(glyph_t& glyph) {
            const int which = multi_ ? static_cast<int>(glyph >> 24) : 0;
            glyph &= 0xFFFFFF;
            if (which != lastWhich_) {
                lastWhich_ = which;
                QFontEngine* face = engine_;
                if (multi_) {
                    auto* list = static_cast<QFontEngineMulti*>(engine_);
                    face = which <= list->fallbackFamilyCount() ? list->engine(which) : nullptr;
                }
                last_ = face ? &notes_.textsOf(face) : nullptr;
            }
            return last_;
        }

    private:
        Notes& notes_;
        QFontEngine* engine_;
        bool multi_;
        int lastWhich_ = -1;
        Texts* last_ = nullptr;
    };

    // Every item of a shaped line: its glyphs and, for each character, the
    // first glyph of its cluster. A cluster's characters go to its first
    // glyph; the glyphs after it (marks, pieces of a split character) add no
    // text of their own.
    void note(const QTextEngine& engine, const QString& line) {
        const auto& items = engine.layoutData->items;
        for (int item = 0; item < items.size(); ++item) {
            const QScriptItem& si = items.at(item);
            if (si.analysis.flags >= QScriptAnalysis::TabOrObject || si.num_glyphs == 0) continue;
            QFontEngine* fontEngine = engine.fontEngine(si);
            if (!fontEngine) continue;
            ItemFaces faces(*this, fontEngine);
            const QGlyphLayout glyphs = engine.shapedGlyphs(&si);
            const unsigned short* clusters = engine.logClusters(&si);
            const int length = engine.length(item);
            for (int start = 0; start < length;) {
                int end = start + 1;
                while (end < length && clusters[end] == clusters[start]) ++end;
                if (clusters[start] < glyphs.numGlyphs) {
                    glyph_t glyph = glyphs.glyphs[clusters[start]];
                    Texts* texts = faces.textsFor(glyph);
                    if (texts && glyph != 0 && glyph <= kMaxGlyph) {
                        if (texts->size() <= glyph) texts->resize(glyph + 1);
                        QString& text = (*texts)[glyph];
                        if (text.isNull()) text = line.mid(si.position + start, end - start);
                    }
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
        const Notes::Texts& texts = **noted;
        for (qsizetype code = 0; code < codes.size(); ++code)
            if (codes[code] < texts.size() && !texts[codes[code]].isNull())
                text.entries.push_back({static_cast<quint32>(code), texts[codes[code]]});
        if (!text.entries.empty()) result.push_back(std::move(text));
    }
    return result;
}

}  // namespace ky
