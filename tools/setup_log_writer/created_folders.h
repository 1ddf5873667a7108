#pragma once
// The folders an installation made: every folder on the way to an installed
// file that was not there before, the prefix and folders above it included.

#include <QSet>
#include <QString>
#include <QStringList>

namespace ky::install {

struct CreatedFolders {
    // Deepest first, so that each is empty when its turn comes.
    QStringList inside;  // below the prefix
    QStringList prefix;  // the prefix and the folders above it that were made for it
};

// Paths are absolute and clean; `existedBefore` holds at least every folder
// that existed on the way from "/" to the files. Files outside the prefix
// add no folders.
CreatedFolders createdFolders(const QString& prefix, const QStringList& files, const QSet<QString>& existedBefore);

}  // namespace ky::install
