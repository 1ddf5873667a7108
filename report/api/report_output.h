#pragma once
// What the report object does to print and to write files without a
// window: the engine run on a printer, and the output file named after a key
// field, written as a report data file or, through the virtual printer, as
// EMF page files, a single-file web page or a word-processor document.

#include "report/api/print_targets.h"
#include "report/data/report_session.h"
#include "report/engine/fill/print_pages.h"
#include "report/engine/output/page_files.h"

namespace ky {

struct ReportJob {
    ReportSession& session;
    PrinterService& printers;
    PrintTargets* targets;  // nothing: printing fails with an error
    ReportEngine& engine;
    QString templateXml;
    StreamPtr templateStream;
    PageWait wait;
};

struct PrintedPages {
    int total = 0;  // the report's pages
    int drawn = 0;  // those of the page list
};

// Runs the engine on the current printer. Fails with the engine's message
// (no data, no template) or when the printer cannot be opened or fails.
Result<PrintedPages> printOnCurrentPrinter(const ReportJob& job, const QString& pageRange = QStringLiteral("ALL"));

// The output file name with "_" and the key field's value before its
// four-character extension.
QString keyedFileName(const RecordSetList& recordSets, const QString& outputFileName, const QString& keyName);

// Writes the report to the file `outputFileName` names (with the key's value
// put in). `reportDataFile` is the caller's own file for the ".rpd" branch;
// nothing builds one from the template and record sets.
Status writeReportFile(const ReportJob& job, const QString& outputFileName, const QString& keyName, const StreamPtr& reportDataFile);

}  // namespace ky
