#pragma once
// The project's fontconfig file maps the Chinese faces that templates name
// (宋体, 黑体, 微软雅黑, ...) to the Noto CJK faces. `useProjectFonts` makes
// fontconfig read it, unless FONTCONFIG_FILE already names a file; it must
// run before the first font is looked up (before the QGuiApplication).

#include <QString>

namespace ky {

// The installed file (share/kyreport/fonts beside the program's bin folder),
// else the source tree's; empty when neither exists.
QString projectFontsFile();

void useProjectFonts();

}  // namespace ky
