#pragma once
// Qt's PDF writer maps each embedded glyph back to the lowest character code
// that uses it. The CJK faces draw a radical and its ideograph (⼀ and 一,
// ⻚ and 页) with one glyph, so text copied or searched in our PDF files came
// out as radicals. These point such entries of the files' ToUnicode maps at
// the ideographs.

#include "platform/result.h"

#include <QByteArray>
#include <QString>

namespace ky {

// Rewrites the ToUnicode maps in `pdf` in place. Every code keeps its four
// hex digits, so nothing in the file moves. Returns the entries changed.
int mapRadicalsToIdeographs(QByteArray& pdf);

// The same for a PDF file, rewritten only when an entry changed.
Status mapRadicalsToIdeographs(const QString& path);

}  // namespace ky
