#include "report/engine/qt/pictures/svg_elements.h"

#include "report/engine/qt/pictures/svg_text.h"

namespace ky {

using svg::number;

namespace {

QByteArray attribute(const char* name, const QByteArray& value) { return QByteArray(" ") + name + "=\"" + value + '"'; }

QByteArray paintAttributes(const SvgPaint& paint) {
    QByteArray out = attribute("fill", paint.fill ? svg::color(*paint.fill) : QByteArray("none"));
    if (paint.fill && paint.evenOdd) out += attribute("fill-rule", "evenodd");
    if (!paint.stroke) return out + attribute("stroke", "none");
    const SvgStroke& stroke = *paint.stroke;
    out += attribute("stroke", svg::color(stroke.color)) + attribute("stroke-width", number(stroke.width)) +
           attribute("stroke-linecap", stroke.cap) + attribute("stroke-linejoin", stroke.join);
    if (!stroke.dashes.empty()) {
        QByteArray dashes;
        for (double d : stroke.dashes) dashes += (dashes.isEmpty() ? "" : " ") + number(d);
        out += attribute("stroke-dasharray", dashes);
    }
    return out;
}

bool drawsNothing(const SvgPaint& paint) { return !paint.fill && !paint.stroke; }

QByteArray rectAttributes(const QRectF& rect) {
    return attribute("x", number(rect.x())) + attribute("y", number(rect.y())) +
           attribute("width", number(rect.width())) + attribute("height", number(rect.height()));
}

}  // namespace

void SvgPathData::point(QPointF p) { data_ += number(p.x()) + ' ' + number(p.y()); }

void SvgPathData::moveTo(QPointF to) {
    data_ += data_.isEmpty() ? "M" : " M";
    point(to);
}

void SvgPathData::lineTo(QPointF to) {
    data_ += " L";
    point(to);
}

void SvgPathData::arcTo(QSizeF radii, bool large, bool sweep, QPointF to) {
    data_ += " A" + number(radii.width()) + ' ' + number(radii.height()) + " 0 " + (large ? "1 " : "0 ") +
             (sweep ? "1 " : "0 ");
    point(to);
}

void SvgPathData::close() { data_ += " Z"; }

QByteArray svgPath(const SvgPathData& path, const SvgPaint& paint) {
    if (path.data().isEmpty() || drawsNothing(paint)) return {};
    return "<path d=\"" + path.data() + '"' + paintAttributes(paint) + "/>\n";
}

QByteArray svgRect(const QRectF& rect, QSizeF radii, const SvgPaint& paint) {
    if (rect.isEmpty() || drawsNothing(paint)) return {};
    QByteArray out = "<rect" + rectAttributes(rect);
    if (radii.width() > 0 && radii.height() > 0)
        out += attribute("rx", number(radii.width())) + attribute("ry", number(radii.height()));
    return out + paintAttributes(paint) + "/>\n";
}

QByteArray svgEllipse(const QRectF& rect, const SvgPaint& paint) {
    if (rect.isEmpty() || drawsNothing(paint)) return {};
    const QPointF c = rect.center();
    return "<ellipse" + attribute("cx", number(c.x())) + attribute("cy", number(c.y())) +
           attribute("rx", number(rect.width() / 2)) + attribute("ry", number(rect.height() / 2)) +
           paintAttributes(paint) + "/>\n";
}

QByteArray svgText(const SvgTextRun& run) {
    const QByteArray text = svg::escaped(run.text);
    if (text.trimmed().isEmpty() || !(run.size > 0)) return {};
    QByteArray out = "<text xml:space=\"preserve\"" + attribute("x", number(run.at.x())) +
                     attribute("y", number(run.at.y())) + attribute("font-size", number(run.size)) +
                     attribute("fill", svg::color(run.color));
    if (!run.family.isEmpty()) out += attribute("font-family", svg::escaped(run.family));
    if (run.weight >= 600) out += attribute("font-weight", "bold");
    if (run.italic) out += attribute("font-style", "italic");
    if (run.underline || run.strikeOut)
        out += attribute("text-decoration", run.underline && run.strikeOut ? "underline line-through"
                                            : run.underline                ? "underline"
                                                                           : "line-through");
    if (qstrcmp(run.anchor, "start") != 0) out += attribute("text-anchor", run.anchor);
    if (run.angle != 0)
        out += attribute("transform", "rotate(" + number(run.angle) + ' ' + number(run.at.x()) + ' ' +
                                          number(run.at.y()) + ')');
    return out + '>' + text + "</text>\n";
}

QByteArray svgImage(const QRectF& rect, const QByteArray& uri) {
    if (rect.isEmpty() || uri.isEmpty()) return {};
    return "<image" + rectAttributes(rect) + " preserveAspectRatio=\"none\" xlink:href=\"" + uri + "\"/>\n";
}

}  // namespace ky
