#pragma once
// Qt's own warnings ("QPainter::begin(): Returned false") are for developers.
// A program that says what went wrong in its own words hides them, so that a
// user reads one clear message; KY_QT_DEBUG=1 shows them again. Critical and
// fatal messages always pass.

namespace ky {

void hideQtWarningsUnlessDebugging();

}  // namespace ky
