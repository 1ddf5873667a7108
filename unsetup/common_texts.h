#pragma once
// The user-visible texts an installation log carries in its COMMON section,
// keyed by number, with the application's name put in place of "%1".

#include "unsetup/setup_log.h"

namespace ky::unsetup {

namespace text {
inline constexpr int mainTitle = 1001;
inline constexpr int confirmTitle = 1101;
inline constexpr int confirmText = 1102;
inline constexpr int progressTitle = 1201;
inline constexpr int progressText = 1202;
inline constexpr int someLeft = 1203;
inline constexpr int allRemoved = 1204;
inline constexpr int detailsTitle = 1400;
inline constexpr int detailsCaption = 1401;
inline constexpr int folderFailed = 1402;
inline constexpr int fileFailed = 1403;
}  // namespace text

inline QString applicationName(const SetupLog& log) { return log.value(u"COMMON", u"Application_Name"); }

// The text numbered `id`, or `fallback` when the log has none.
inline QString commonText(const SetupLog& log, int id, const QString& fallback = {}) {
    const QString raw = log.value(u"COMMON", QString::number(id), fallback);
    return QString(raw).replace(QStringLiteral("%1"), applicationName(log));
}

}  // namespace ky::unsetup
