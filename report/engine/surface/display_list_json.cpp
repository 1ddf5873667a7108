#include "report/engine/surface/display_list_json.h"

#include "report/engine/surface/colors.h"

#include <QJsonObject>

#include <cmath>

namespace ky {

namespace {

// Twips are whole in templates; keep two decimals of what arithmetic made.
double rounded(double value) { return std::round(value * 100) / 100; }

void putRect(QJsonObject& out, const QRectF& rect) {
    out.insert(QStringLiteral("x"), rounded(rect.x()));
    out.insert(QStringLiteral("y"), rounded(rect.y()));
    out.insert(QStringLiteral("w"), rounded(rect.width()));
    out.insert(QStringLiteral("h"), rounded(rect.height()));
}

void putFont(QJsonObject& out, const SurfaceFont& font) {
    out.insert(QStringLiteral("font"), font.name);
    out.insert(QStringLiteral("size"), rounded(font.size));
    out.insert(QStringLiteral("bold"), font.bold);
    out.insert(QStringLiteral("italic"), font.italic);
    out.insert(QStringLiteral("underline"), font.underline);
}

QString alignmentName(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::Right: return QStringLiteral("right");
    case TextAlignment::Center: return QStringLiteral("center");
    default: return QStringLiteral("left");
    }
}

QJsonObject opToJson(const DrawOp& op) {
    QJsonObject out;
    switch (op.kind) {
    case DrawOp::Kind::Text:
    case DrawOp::Kind::PrintText:
        out.insert(QStringLiteral("op"), op.kind == DrawOp::Kind::Text ? QStringLiteral("text") : QStringLiteral("print"));
        out.insert(QStringLiteral("text"), op.text);
        putRect(out, op.rect);
        putFont(out, op.font);
        out.insert(QStringLiteral("color"), colorName(op.color));
        if (op.kind == DrawOp::Kind::Text) out.insert(QStringLiteral("align"), alignmentName(op.alignment));
        break;
    case DrawOp::Kind::Line:
        out.insert(QStringLiteral("op"), QStringLiteral("line"));
        out.insert(QStringLiteral("x1"), rounded(op.from.x()));
        out.insert(QStringLiteral("y1"), rounded(op.from.y()));
        out.insert(QStringLiteral("x2"), rounded(op.to.x()));
        out.insert(QStringLiteral("y2"), rounded(op.to.y()));
        out.insert(QStringLiteral("width"), op.penWidth);
        out.insert(QStringLiteral("color"), colorName(op.color));
        break;
    case DrawOp::Kind::Fill:
        out.insert(QStringLiteral("op"), QStringLiteral("fill"));
        putRect(out, op.rect);
        out.insert(QStringLiteral("color"), colorName(op.color));
        break;
    case DrawOp::Kind::Picture:
        out.insert(QStringLiteral("op"), QStringLiteral("picture"));
        putRect(out, op.rect);
        out.insert(QStringLiteral("bytes"), static_cast<double>(op.byteCount));
        break;
    case DrawOp::Kind::QrCode:
        out.insert(QStringLiteral("op"), QStringLiteral("qrcode"));
        out.insert(QStringLiteral("text"), op.text);
        putRect(out, op.rect);
        out.insert(QStringLiteral("iconBytes"), static_cast<double>(op.byteCount));
        out.insert(QStringLiteral("iconPercent"), op.iconPercent);
        break;
    }
    return out;
}

}  // namespace

QString colorName(int color) {
    const auto value = static_cast<unsigned>(resolveColor(color));
    const unsigned red = value & 0xFF, green = (value >> 8) & 0xFF, blue = (value >> 16) & 0xFF;
    return QStringLiteral("#%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'));
}

QJsonArray pagesToJson(const std::vector<RecordedPage>& pages) {
    QJsonArray out;
    for (const RecordedPage& page : pages) {
        QJsonArray ops;
        for (const DrawOp& op : page.ops) ops.append(opToJson(op));
        out.append(QJsonObject{{QStringLiteral("page"), page.number},
                               {QStringLiteral("width"), rounded(page.scale.width())},
                               {QStringLiteral("height"), rounded(page.scale.height())},
                               {QStringLiteral("ops"), ops}});
    }
    return out;
}

}  // namespace ky
