#include "report/engine/qt/qt_text_metrics.h"

#include <QFont>

namespace ky {

QFont referenceFont(const SurfaceFont& font) {
    QFont qfont(font.name);
    qfont.setPixelSize(kReferencePixels);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    // Unhinted advances are the design's, not rounded to the reference pixels.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

QtTextMetrics::Face& QtTextMetrics::faceOf(const SurfaceFont& font) const {
    if (lastFace_ && font.bold == lastFont_.bold && font.italic == lastFont_.italic && font.name == lastFont_.name)
        return *lastFace_;
    const QString key = font.name + u'|' + QChar(font.bold ? u'b' : u'-') + QChar(font.italic ? u'i' : u'-');
    auto found = cache_.find(key);
    if (found == cache_.end()) found = cache_.insert(key, std::make_shared<Face>(referenceFont(font)));
    lastFont_ = font;
    lastFace_ = found->get();
    return **found;
}

QFont QtTextMetrics::referenceFaceOf(const SurfaceFont& font) const {
    QFont face = faceOf(font).font;
    if (font.underline) face.setUnderline(true);  // styles the drawing only, not the advances
    return face;
}

double QtTextMetrics::width(QStringView text, const SurfaceFont& font) const {
    Face& face = faceOf(font);
    auto found = face.advances.find(text);
    if (found == face.advances.end()) {
        if (face.advances.size() >= kMaxAdvances) face.advances.clear();
        const QString piece = text.toString();
        found = face.advances.emplace(piece, face.metrics.horizontalAdvance(piece)).first;
    }
    return found->second * scale(font);
}

double QtTextMetrics::ascent(const SurfaceFont& font) const { return faceOf(font).metrics.ascent() * scale(font); }

double QtTextMetrics::lineHeight(const SurfaceFont& font) const {
    const QFontMetricsF& metrics = faceOf(font).metrics;
    return (metrics.height() + metrics.leading()) * scale(font);
}

}  // namespace ky
