#pragma once
// The pages a recording surface kept, as JSON: what `kyreport dump` prints.
// Coordinates are twips of the page's logical scale; colours "#rrggbb".

#include "report/engine/surface/recording_surface.h"

#include <QJsonArray>

namespace ky {

QJsonArray pagesToJson(const std::vector<RecordedPage>& pages);

// A colour number (0x00BBGGRR, or a system colour) as "#rrggbb".
QString colorName(int color);

}  // namespace ky
