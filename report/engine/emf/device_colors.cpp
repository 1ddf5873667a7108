#include "report/engine/emf/device_colors.h"

#include "report/engine/surface/colors.h"

#include <QPainter>

#include <cstring>

namespace ky {

namespace {

int grayOf(int red, int green, int blue) { return (red * 299 + green * 587 + blue * 114 + 500) / 1000; }

std::uint32_t grayColor(int level) {
    const auto g = static_cast<std::uint32_t>(level);
    return g | (g << 8) | (g << 16);
}

// Rows bottom up, each padded to whole 32-bit words, as a DIB keeps them.
QByteArray bottomUpRows(const QImage& image, int bytesPerRow) {
    const int stride = (bytesPerRow + 3) / 4 * 4;
    QByteArray rows(static_cast<qsizetype>(stride) * image.height(), '\0');
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(rows.data() + static_cast<qsizetype>(stride) * (image.height() - 1 - y), image.constScanLine(y),
                    static_cast<std::size_t>(bytesPerRow));
    return rows;
}

}  // namespace

std::uint32_t deviceColor(int color, const ColorOptions& options) {
    const auto value = static_cast<std::uint32_t>(resolveColor(color)) & 0xffffffu;
    if (!options.grayscale) return value;
    return grayColor(grayOf(static_cast<int>(value & 0xff), static_cast<int>((value >> 8) & 0xff),
                            static_cast<int>((value >> 16) & 0xff)));
}

DeviceBitmap deviceBitmap(const QImage& image, QSize size, const ColorOptions& options) {
    QImage flat(size, QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), size), image);
    }
    DeviceBitmap bitmap;
    bitmap.size = size;
    if (options.bitsPerPixel == 1) {
        // Mono keeps Qt's colour table order; the DIB gets the same table.
        const QImage mono = flat.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        for (const QRgb c : mono.colorTable()) bitmap.palette.push_back(grayColor(qGray(c)));
        bitmap.bitsPerPixel = 1;
        bitmap.rows = bottomUpRows(mono, (size.width() + 7) / 8);
    } else if (options.bitsPerPixel == 8 || options.grayscale) {
        const QImage gray = flat.convertToFormat(QImage::Format_Grayscale8);
        for (int level = 0; level < 256; ++level) bitmap.palette.push_back(grayColor(level));
        bitmap.bitsPerPixel = 8;
        bitmap.rows = bottomUpRows(gray, size.width());
    } else {
        const QImage bgr = flat.convertToFormat(QImage::Format_BGR888);
        bitmap.bitsPerPixel = 24;
        bitmap.rows = bottomUpRows(bgr, size.width() * 3);
    }
    return bitmap;
}

}  // namespace ky
