#pragma once
// How the virtual printer's colour settings change what a page shows:
// colours to gray when asked, and pictures at the colour depth configured.

#include "report/engine/emf/emf_page_writer.h"

#include <QImage>

#include <cstdint>

namespace ky {

struct ColorOptions {
    bool grayscale = false;
    int bitsPerPixel = 24;  // of pictures: 24, 8 (gray levels) or 1 (black and white)
};

// A template colour number (system colours resolved) as the page gets it.
std::uint32_t deviceColor(int color, const ColorOptions& options);

// The picture as a bitmap of the configured depth, `size` pixels large;
// transparent parts over white, as on paper.
DeviceBitmap deviceBitmap(const QImage& image, QSize size, const ColorOptions& options);

}  // namespace ky
