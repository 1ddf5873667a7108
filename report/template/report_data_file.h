#pragma once
// Report data files: an XML document DataReport whose Format and Data
// elements hold, base64, the template's bytes and the record-set bundle's.

#include "platform/byte_stream.h"
#include "platform/result.h"

namespace ky {

struct ReportDataParts {
    StreamPtr format;  // the template; nothing when the file has none
    StreamPtr data;    // the record-set bundle; nothing when the file has none
};

// A new stream holding the file, positioned at 0. Either part may be missing.
StreamPtr PackReportData(const StreamPtr& templateStream, const StreamPtr& bundleStream);

// Splits a report data file read from position 0. A part whose element is
// absent or empty is nothing; bytes that are not such a file are an error.
Result<ReportDataParts> UnpackReportData(const StreamPtr& file);

}  // namespace ky
