// icon_strips: renders SVG icons side by side into one PNG strip of square
// images, for the window's toolbars. Run at build time, once at the toolbar's
// size and once at twice that size (sharp at 200 % display scaling).
// usage: icon_strips OUT.png SIZE ICON.svg...

#include "platform/qt_warnings.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    ky::hideQtWarningsUnlessDebugging();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool sized = false;
    const int size = args.size() > 2 ? args[2].toInt(&sized) : 0;
    if (args.size() < 4 || !sized || size <= 0 || size > 256) {
        std::fprintf(stderr, "usage: icon_strips OUT.png SIZE ICON.svg...\n");
        return 2;
    }
    const QStringList icons = args.mid(3);
    QImage strip(size * static_cast<int>(icons.size()), size, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (qsizetype i = 0; i < icons.size(); ++i) {
        QSvgRenderer renderer(icons[i]);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "icon_strips: %s is no SVG picture\n", qPrintable(icons[i]));
            return 1;
        }
        renderer.render(&painter, QRectF(static_cast<double>(i * size), 0, size, size));
    }
    painter.end();
    if (!strip.save(args[1], "PNG")) {
        std::fprintf(stderr, "icon_strips: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
