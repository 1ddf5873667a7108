#pragma once
// QR codes through libqrencode, drawn as crisp dark modules on white that
// fill the square, with a small quiet zone and an optional icon in the
// centre.

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <vector>

namespace ky {

// The modules of a code, row by row; empty when the text does not encode.
struct QrMatrix {
    int size = 0;
    std::vector<bool> dark;
    bool at(int x, int y) const { return dark[static_cast<std::size_t>(y * size + x)]; }
};

QrMatrix encodeQr(const QString& text);

// Light modules around the code on each side.
inline constexpr int kQrQuietModules = 2;

// Draws into `square` (the painter's coordinates); the icon, when it is a
// picture, covers `iconPercent` % of the side in the middle.
void drawQr(QPainter& painter, const QString& text, const QRectF& square, const QByteArray& icon, int iconPercent);

}  // namespace ky
