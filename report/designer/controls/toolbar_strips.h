#pragma once
// The image strips of the window's three toolbars, built into the program:
// 16-pixel images, or 32-pixel ones where the display scales by more than 1.

#include <QImage>

namespace ky::designer {

// toolbar: 1 (main), 2 (formatting), 3 (preview). A null image for others.
QImage toolbarStrip(int toolbar, double devicePixelRatio);

}  // namespace ky::designer
