#pragma once
// The font a surface draws text with, as the templates describe it: a face
// name, a size in points (already multiplied by the zoom) and the styles.

#include <QString>

namespace ky {

struct SurfaceFont {
    QString name = QStringLiteral("宋体");
    double size = 9;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const SurfaceFont&, const SurfaceFont&) = default;
};

// Twentieths of a point: the unit of every length on a page.
inline constexpr double kTwipsPerPoint = 20;

}  // namespace ky
