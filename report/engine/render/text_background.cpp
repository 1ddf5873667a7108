#include "report/engine/render/text_background.h"

namespace ky {

namespace {

constexpr double kBackgroundInset = 30;  // twips

}  // namespace

void FillTextBackground(Surface& surface, const QRectF& box) {
    const QRectF filled(box.left(), box.top(), box.width() - kBackgroundInset, box.height() - kBackgroundInset);
    if (filled.width() > 0 && filled.height() > 0) surface.fillRect(filled, kWhite);
}

}  // namespace ky
