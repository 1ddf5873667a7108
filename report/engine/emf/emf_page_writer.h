#pragma once
// One EMF page in the making, on libUEMF: the header, then drawing records
// in device pixels (the default mapping mode, one unit a device pixel), then
// the end record. The page is written to a temporary file beside its target
// and renamed into place, so nobody waiting for the file sees half of it.

#include "platform/result.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace ky {

// A device-independent bitmap as the stretch record carries it: rows bottom
// up, each padded to four bytes; a palette for 8 and 1 bits per pixel.
struct DeviceBitmap {
    QSize size;
    int bitsPerPixel = 24;
    std::vector<std::uint32_t> palette;  // colour numbers, 0x00BBGGRR
    QByteArray rows;
};

// Colours are colour numbers, 0x00BBGGRR, already resolved.
struct EmfFont {
    QString face;
    int height = 0;  // device pixels, the character height
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const EmfFont&, const EmfFont&) = default;
};

class EmfPageWriter {
public:
    // `size` the page in device pixels at `dpi` (dots per inch across and down).
    EmfPageWriter(const QString& path, QSize size, QSize dpi, const QString& description);
    ~EmfPageWriter();
    EmfPageWriter(const EmfPageWriter&) = delete;
    EmfPageWriter& operator=(const EmfPageWriter&) = delete;

    // One line of text, its top-left corner at `at`; `advances` are the
    // distances from each UTF-16 unit to the next, in device pixels.
    void text(QPoint at, const QString& line, const std::vector<std::int32_t>& advances, const EmfFont& font,
              std::uint32_t colorRef);
    void line(QPoint from, QPoint to, std::uint32_t colorRef, int width);
    void fillRect(const QRect& rect, std::uint32_t colorRef);
    void bitmap(const QRect& target, const DeviceBitmap& bitmap);

    // Ends the page and moves it to its path; the first failure on the way.
    Status finish();

private:
    struct State;
    std::unique_ptr<State> d;
};

}  // namespace ky
