#pragma once
// The installation log of one installation, as the uninstaller reads it:
// texts for its windows, then every file, folder, registry key and value and
// self-registering library the installation put on the machine.

#include "tools/setup_log_writer/created_folders.h"
#include "tools/setup_log_writer/registry_changes.h"

#include "platform/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ky::install {

struct Installation {
    QString applicationName;
    QStringList files;
    CreatedFolders folders;
    RegistryChanges registry;
    QStringList libraries;  // registered; unregistered before their files go
};

// Plain UTF-8 with CR LF line ends. Fails when an entry would not read back
// as written: a line break in a name, or a relative path.
Result<QByteArray> installationLogText(const Installation& installation);

}  // namespace ky::install
