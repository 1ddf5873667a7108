#pragma once
// The settings and data that a report process shares between the report
// object, the window, the dialogs and the engine. One object per component
// instance, handed explicitly to everything that needs it.

#include "report/data/record_set_list.h"
#include "platform/byte_stream.h"

#include <QString>

namespace ky {

// What the print dialog chose for printing on a server printer.
struct ServerPrintSelection {
    QString printerName;
    int copies = 1;
    QString pages;
    int colorMode = 0;
    int printQuality = 0;
};

// What the print dialog chose; 0 copies when it was cancelled.
struct PrintSettings {
    QString printerName;
    QString pages = QStringLiteral("All");
    int copies = 1;
    int printQuality = -1;  // -1 draft, -2 low, -3 medium, -4 high
    int colorMode = 2;      // 1 monochrome, 2 colour
};

struct ReportSession {
    QString reportName;  // also the component's application title
    QString appName;
    QString appPath;
    QString tempPath;
    StreamPtr icon;  // the window icon's picture file bytes
    bool allowDesign = false;
    bool allowPrintToServer = false;
    QString serverPrinterNames;
    RecordSetList recordSets;
    MainFieldLists mainFieldLists;
    bool formatChanged = false;
    // The page setup dialog's "打印空表格": print the form without data.
    bool printEmptyForm = false;
    ServerPrintSelection serverPrint;
    PrintSettings print;
};

}  // namespace ky
