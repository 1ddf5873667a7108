#pragma once
// Pieces of SVG text: numbers, colours, escaped strings, embedded pictures.

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

namespace ky::svg {

// At most two decimals, no exponent; anything not finite is 0.
QByteArray number(double value);

QByteArray color(QRgb rgb);

// Text fit for an element or an attribute in quotes; characters XML cannot
// hold are left out.
QByteArray escaped(const QString& text);

// The image as a PNG data URI; empty when it does not encode.
QByteArray pngDataUri(const QImage& image);

}  // namespace ky::svg
