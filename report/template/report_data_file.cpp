#include "report/template/report_data_file.h"

#include "report/template/dom_helpers.h"
#include "report/template/xml_document.h"

namespace ky {

StreamPtr PackReportData(const StreamPtr& templateStream, const StreamPtr& bundleStream) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("DataReport");
    AppendBinaryElement(root, QStringLiteral("Format"), templateStream);
    AppendBinaryElement(root, QStringLiteral("Data"), bundleStream);
    return makeStream(saveXmlBytes(document));
}

Result<ReportDataParts> UnpackReportData(const StreamPtr& file) {
    if (!file) return fail(QStringLiteral("no report data file was given"));
    pugi::xml_document document;
    if (!loadXmlBytes(document, file->bytes())) return fail(QStringLiteral("the report data file is not well-formed XML"));
    const pugi::xml_node root = document.child("DataReport");
    if (!root) return fail(QStringLiteral("the report data file has no DataReport element"));
    auto format = GetChildStream(root, QStringLiteral("Format"));
    if (!format) return fail(format.error());
    auto data = GetChildStream(root, QStringLiteral("Data"));
    if (!data) return fail(data.error());
    return ReportDataParts{format.value(), data.value()};
}

}  // namespace ky
