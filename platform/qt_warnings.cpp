#include "platform/qt_warnings.h"

#include <QtGlobal>

namespace ky {

namespace {

// Set once, before the program starts work; the handler only reads it.
QtMessageHandler passOn = nullptr;

void filterQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    if (passOn) passOn(type, context, message);
}

}  // namespace

void hideQtWarningsUnlessDebugging() {
    if (qEnvironmentVariableIntValue("KY_QT_DEBUG") == 1 || passOn) return;
    passOn = qInstallMessageHandler(filterQtMessage);
}

}  // namespace ky
