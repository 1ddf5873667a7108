#pragma once
// Colour numbers as templates store them: 0x00BBGGRR, or, with the high bit
// set, one of the platform's system colours (the line and box elements start
// with the window-text colour).

namespace ky {

// The colour as 0x00BBGGRR; system colours take the classic Windows defaults.
int resolveColor(int color);

}  // namespace ky
