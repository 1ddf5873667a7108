#include "report/engine/qt/qr_code.h"

#include "report/engine/qt/pictures/picture_loader.h"

#include <qrencode.h>

#include <cmath>
#include <memory>

namespace ky {

QrMatrix encodeQr(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (utf8.isEmpty()) return {};
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code) return {};
    QrMatrix matrix;
    matrix.size = code->width;
    matrix.dark.resize(static_cast<std::size_t>(code->width) * static_cast<std::size_t>(code->width));
    for (std::size_t i = 0; i < matrix.dark.size(); ++i) matrix.dark[i] = (code->data[i] & 1) != 0;
    return matrix;
}

// Drawn in device pixels: a whole number of pixels per module when the square
// has room for it, so that no module is blurred or a pixel narrower than the
// next; the code is centred in the square.
void drawQr(QPainter& painter, const QString& text, const QRectF& square, const QByteArray& icon, int iconPercent) {
    const QrMatrix matrix = encodeQr(text);
    if (matrix.size == 0 || square.isEmpty()) return;
    const QTransform toDevice = painter.transform();
    const QRectF device = toDevice.mapRect(square);
    const int modules = matrix.size + 2 * kQrQuietModules;
    const double side = std::min(device.width(), device.height());
    double module = side / modules;
    if (module >= 1) module = std::floor(module);
    const double codeSide = module * modules;
    const QPointF origin(std::round(device.left() + (device.width() - codeSide) / 2),
                         std::round(device.top() + (device.height() - codeSide) / 2));

    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(origin, QSizeF(codeSide, codeSide)), Qt::white);
    for (int y = 0; y < matrix.size; ++y) {
        for (int x = 0; x < matrix.size;) {
            if (!matrix.at(x, y)) {
                ++x;
                continue;
            }
            int run = 1;  // a run of dark modules is one rectangle: fewer, seamless shapes
            while (x + run < matrix.size && matrix.at(x + run, y)) ++run;
            painter.fillRect(QRectF(origin.x() + (x + kQrQuietModules) * module,
                                    origin.y() + (y + kQrQuietModules) * module, run * module, module),
                             Qt::black);
            x += run;
        }
    }
    const QImage picture = loadPicture(icon);
    if (!picture.isNull() && iconPercent > 0) {
        const double iconSide = side * std::min(iconPercent, 100) / 100.0;
        const QRectF iconRect(origin.x() + (codeSide - iconSide) / 2, origin.y() + (codeSide - iconSide) / 2, iconSide,
                              iconSide);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(iconRect, picture);
    }
    painter.restore();
}

}  // namespace ky
