#pragma once
// SVG elements for drawn shapes, text and pictures, in the picture's
// coordinates. Each gives one element, or nothing when it would draw nothing.

#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QString>

#include <optional>
#include <vector>

namespace ky {

struct SvgStroke {
    QRgb color = 0;
    double width = 0;
    std::vector<double> dashes;  // empty: solid
    const char* cap = "round";
    const char* join = "round";
};

struct SvgPaint {
    std::optional<QRgb> fill;
    bool evenOdd = false;
    std::optional<SvgStroke> stroke;
};

class SvgPathData {
public:
    void moveTo(QPointF to);
    void lineTo(QPointF to);
    // An elliptical arc; sweep is the way angles grow (clockwise on the page).
    void arcTo(QSizeF radii, bool large, bool sweep, QPointF to);
    void close();
    const QByteArray& data() const { return data_; }

private:
    void point(QPointF p);
    QByteArray data_;
};

QByteArray svgPath(const SvgPathData& path, const SvgPaint& paint);
QByteArray svgRect(const QRectF& rect, QSizeF radii, const SvgPaint& paint);
QByteArray svgEllipse(const QRectF& rect, const SvgPaint& paint);

struct SvgTextRun {
    QPointF at;            // where the baseline starts
    QString text;
    QString family;
    double size = 0;       // the em
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    const char* anchor = "start";  // start, middle or end of the text at the point
    double angle = 0;      // degrees, clockwise on the page
    QRgb color = 0;
};

QByteArray svgText(const SvgTextRun& run);

// An image filling the rectangle; uri is a data URI.
QByteArray svgImage(const QRectF& rect, const QByteArray& uri);

}  // namespace ky
