#include "report/engine/qt/pictures/svg_text.h"

#include <QBuffer>

#include <cmath>

namespace ky::svg {

QByteArray number(double value) {
    if (!std::isfinite(value)) return "0";
    QByteArray text = QByteArray::number(value, 'f', 2);
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
    return text == "-0" ? QByteArray("0") : text;
}

QByteArray color(QRgb rgb) {
    return '#' + QByteArray::number(rgb & 0xFFFFFF, 16).rightJustified(6, '0');
}

// XML 1.0 holds tab, line feed, carriage return and everything from the
// space on, but surrogates that do not pair and U+FFFE and U+FFFF.
QByteArray escaped(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += c;
            kept += text[++i];
            continue;
        }
        const char16_t u = c.unicode();
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF || (u < 0x20 && u != '\t' && u != '\n' && u != '\r'))
            continue;
        switch (u) {
        case '&': kept += u"&amp;"; break;
        case '<': kept += u"&lt;"; break;
        case '>': kept += u"&gt;"; break;
        case '"': kept += u"&quot;"; break;
        case '\'': kept += u"&apos;"; break;
        default: kept += c;
        }
    }
    return kept.toUtf8();
}

QByteArray pngDataUri(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
    return "data:image/png;base64," + png.toBase64();
}

}  // namespace ky::svg
