#include "report/engine/qt/qt_text_metrics.h"

#include <QFont>

namespace ky {

QFont referenceFont(const SurfaceFont& font) {
    QFont qfont(font.name);
    qfont.setPixelSize(kReferencePixels);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    return qfont;
}

const QFontMetricsF& QtTextMetrics::metricsOf(const SurfaceFont& font) const {
    const QString key = font.name + u'|' + QChar(font.bold ? u'b' : u'-') + QChar(font.italic ? u'i' : u'-');
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        found = cache_.insert(key, std::make_shared<QFontMetricsF>(referenceFont(font)));
    }
    return **found;
}

double QtTextMetrics::width(QStringView text, const SurfaceFont& font) const {
    return metricsOf(font).horizontalAdvance(text.toString()) * scale(font);
}

double QtTextMetrics::ascent(const SurfaceFont& font) const { return metricsOf(font).ascent() * scale(font); }

double QtTextMetrics::lineHeight(const SurfaceFont& font) const {
    const QFontMetricsF& metrics = metricsOf(font);
    return (metrics.height() + metrics.leading()) * scale(font);
}

}  // namespace ky
