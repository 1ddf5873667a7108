#pragma once
// Text metrics of the real fonts, through Qt: what `kyreport dump` measures
// with, so that its line breaks and fitted sizes are those of a real page.
// Needs a QGuiApplication (the offscreen platform will do).

#include "report/engine/surface/text_metrics.h"

#include <QFontMetricsF>
#include <QHash>

#include <memory>

namespace ky {

class QtTextMetrics final : public TextMetrics {
public:
    double width(QStringView text, const SurfaceFont& font) const override;
    double lineHeight(const SurfaceFont& font) const override;

private:
    // Metrics of a face at a large pixel size, scaled to each point size.
    const QFontMetricsF& metricsOf(const SurfaceFont& font) const;
    mutable QHash<QString, std::shared_ptr<QFontMetricsF>> cache_;
};

}  // namespace ky
