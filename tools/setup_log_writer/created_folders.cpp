#include "tools/setup_log_writer/created_folders.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <functional>

namespace ky::install {

namespace {

// Descending order puts "a/b/c" before "a/b": a folder before its parent.
QStringList deepestFirst(const QSet<QString>& folders) {
    QStringList sorted(folders.begin(), folders.end());
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    return sorted;
}

}  // namespace

CreatedFolders createdFolders(const QString& prefix, const QStringList& files, const QSet<QString>& existedBefore) {
    const QString root = QDir::cleanPath(prefix);
    QSet<QString> inside, prefixAndAbove;
    for (const QString& file : files) {
        const QString path = QDir::cleanPath(file);
        if (!path.startsWith(root + u'/')) continue;
        // A folder that existed had its parents too: the walk stops there.
        for (QString folder = QFileInfo(path).path(); !existedBefore.contains(folder);) {
            (folder.size() > root.size() ? inside : prefixAndAbove).insert(folder);
            const QString parent = QFileInfo(folder).path();
            if (parent == folder) break;  // "/"
            folder = parent;
        }
    }
    return {deepestFirst(inside), deepestFirst(prefixAndAbove)};
}

}  // namespace ky::install
