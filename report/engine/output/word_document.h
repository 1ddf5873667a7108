#pragma once
// `WriteWordDocument`: the page pictures of a printed report in a document a
// word processor opens (Word, LibreOffice): one page picture per page, in
// order, on paper of the report's size and orientation, without margins.
// Written as rich text with the pages embedded as metafile pictures.

#include "report/engine/output/page_files.h"

namespace ky {

// The page set-up the document takes: a printer paper code, the
// orientation, and, for user-defined paper (256), the paper's size.
struct DocumentPageSetup {
    int paperSize = 9;  // 0 counts as 9
    int orientation = 1;
    double widthTwips = 0;
    double heightTwips = 0;
};

struct WordDocumentRequest {
    QString outputPath;
    int pageCount = 0;
    DocumentPageSetup pageSetup;
    PageWait wait;
};

inline const QString kWordExportFailed = QStringLiteral(
    "导出报表到Microsoft Word格式失败，请确认您的计算机上已经正确安装Microsoft Word的相关程序，如果没有安装Microsoft "
    "Office，本系统将不支持导出到Microsoft Word格式，不过您可以选择将报表导出为单一网页格式（*.mht)");

// Reads and deletes the page files; writes the document atomically.
Status WriteWordDocument(const WordDocumentRequest& request);

}  // namespace ky
