#pragma once
// The fixed captions of the dialogs; every other text comes from the log.

#include <QString>

#include <array>

namespace ky::unsetup::caption {

inline const QString yes = QStringLiteral("是(&Y)");
inline const QString no = QStringLiteral("否(&N)");
inline const QString yesToAll = QStringLiteral("全部选是(&A)");
inline const QString noToAll = QStringLiteral("全部选否(&O)");
inline const QString ok = QStringLiteral("确定");
inline const QString details = QStringLiteral("详细资料...");

inline const QString confirmTitle = QStringLiteral("Confirm File Deletion");
inline const QString progressTitle = QStringLiteral("从你的计算机中删除程序");
inline const QString progressText =
    QStringLiteral("卸载程序将从你的计算机中删除软件 %1 ，下列所有组件将被删除。请等待...");
inline const std::array<QString, 6> stages{
    QStringLiteral("共享程序文件..."), QStringLiteral("标准程序文件..."), QStringLiteral("文件夹项..."),
    QStringLiteral("程序文件夹..."),   QStringLiteral("程序目录..."),     QStringLiteral("程序注册表项..."),
};
inline const QString sharedFileTitle = QStringLiteral("Remove Shared File?");
inline const QString sharedFilePath = QStringLiteral("Shared file path");

inline const QString error = QStringLiteral("Error");
inline const QString cannotOpenLog = QStringLiteral("Can't open log file");
inline const QString cannotStartCopy = QStringLiteral("Cannot create child process");
inline const QString exceptionTitle = QStringLiteral("Exception");
inline const QString outOfMemory = QStringLiteral("Out of memory");
inline const QString unknown = QStringLiteral("Unknown");

}  // namespace ky::unsetup::caption
