#include "report/engine/format/code_page_936.h"

namespace ky {

QString withUserAreaSuperscripts(QString text) {
    text.replace(QChar(0x00B2), QChar(kSuperscriptTwoUserChar));
    text.replace(QChar(0x00B3), QChar(kSuperscriptThreeUserChar));
    return text;
}

}  // namespace ky
