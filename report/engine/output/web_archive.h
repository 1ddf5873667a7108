#pragma once
// `WriteWebArchive`: the page pictures of a printed report assembled into one
// single-file web page (MIME HTML), the pages shown one below the other.

#include "report/engine/output/page_files.h"

#include <QDateTime>

namespace ky {

struct WebArchiveRequest {
    QString outputPath;
    int pageCount = 0;
    QString reportName;  // the page's title
    QDateTime now = QDateTime::currentDateTime();
    PageWait wait;
};

// Reads and deletes the page files; writes the archive atomically. Fails,
// writing nothing, when a page file does not come within the wait.
Status WriteWebArchive(const WebArchiveRequest& request);

}  // namespace ky
