#pragma once
// Superscript two and three as the report fonts of laboratories carry them:
// in the user-defined area of code page 936, at 0xAAAC and 0xAAAD.
//
// The code page maps its user-defined area AAA1..AFFE onto the Unicode
// private use area from U+E000 on, so 0xAAAC is U+E00B and 0xAAAD is U+E00C;
// glibc's GB18030 table (`printf '\xaa\xac' | iconv -f GB18030 -t UTF-16BE`)
// gives the same code points. A font with glyphs there is needed to see them.

#include <QString>

namespace ky {

inline constexpr char16_t kSuperscriptTwoUserChar = 0xE00B;
inline constexpr char16_t kSuperscriptThreeUserChar = 0xE00C;

// U+00B2 -> U+E00B, U+00B3 -> U+E00C; everything else unchanged.
QString withUserAreaSuperscripts(QString text);

}  // namespace ky
