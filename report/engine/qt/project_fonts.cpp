#include "report/engine/qt/project_fonts.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

namespace ky {

namespace {

QString programFolder() { return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2); }

}  // namespace

QString projectFontsFile() {
    const QString installed = QDir::cleanPath(programFolder() + u"/../share/kyreport/kyreport-fonts.conf"_qs);
    for (const QString& candidate : {installed, QStringLiteral(KY_SOURCE_FONTS_FILE)})
        if (QFileInfo::exists(candidate)) return candidate;
    return {};
}

void useProjectFonts() {
    if (!qEnvironmentVariableIsEmpty("FONTCONFIG_FILE")) return;
    const QString file = projectFontsFile();
    if (!file.isEmpty()) qputenv("FONTCONFIG_FILE", QFile::encodeName(file));
}

}  // namespace ky
