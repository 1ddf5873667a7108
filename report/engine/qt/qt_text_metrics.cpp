#include "report/engine/qt/qt_text_metrics.h"

#include <QFont>

namespace ky {

namespace {

// Measured at this many pixels to the em, then scaled: precise, and one
// cache entry per face and style whatever the size.
constexpr int kReferencePixels = 1000;

double scale(const SurfaceFont& font) { return font.size * kTwipsPerPoint / kReferencePixels; }

}  // namespace

const QFontMetricsF& QtTextMetrics::metricsOf(const SurfaceFont& font) const {
    const QString key = font.name + u'|' + QChar(font.bold ? u'b' : u'-') + QChar(font.italic ? u'i' : u'-');
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        QFont qfont(font.name);
        qfont.setPixelSize(kReferencePixels);
        qfont.setBold(font.bold);
        qfont.setItalic(font.italic);
        found = cache_.insert(key, std::make_shared<QFontMetricsF>(qfont));
    }
    return **found;
}

double QtTextMetrics::width(QStringView text, const SurfaceFont& font) const {
    return metricsOf(font).horizontalAdvance(text.toString()) * scale(font);
}

double QtTextMetrics::lineHeight(const SurfaceFont& font) const {
    const QFontMetricsF& metrics = metricsOf(font);
    return (metrics.height() + metrics.leading()) * scale(font);
}

}  // namespace ky
