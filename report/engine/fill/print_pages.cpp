#include "report/engine/fill/print_pages.h"

#include "platform/saturating_int.h"
#include "report/engine/fill/child_reports.h"
#include "report/engine/fill/element_printers.h"
#include "report/engine/fill/element_record.h"
#include "report/engine/fill/link_filter.h"
#include "report/engine/fill/text_box_printer.h"
#include "report/engine/page_range.h"
#include "report/template/xml_document.h"

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

constexpr double kTwipsPerCentimetre = 567;

struct TemplatePage {
    pugi::xml_node page, size, controls, childReports;
};

// Pages are found by their number, never by their place in the document:
// page k of the run is the first "Page" whose PageNo is k. Looked up once.
std::vector<TemplatePage> pagesByNumber(pugi::xml_node pages) {
    // As many pages as "Pages" has children, as the run counts them.
    std::vector<TemplatePage> byNumber(static_cast<std::size_t>(std::distance(pages.begin(), pages.end())));
    for (pugi::xml_node page : pages.children("Page")) {
        const double number = ElementRecord(page).number("PageNo", -1);
        if (number < 1 || number > static_cast<double>(byNumber.size())) continue;
        TemplatePage& entry = byNumber[static_cast<std::size_t>(number) - 1];
        if (entry.page || number != std::floor(number)) continue;
        const pugi::xml_node controls = page.child("Controls");
        entry = {page, page.child("Size"), controls, controls.child("ChildReports")};
    }
    return byNumber;
}

int pageCopies(const FillContext& context, const TemplatePage& page) {
    int copies = 0;
    for (pugi::xml_node report : page.childReports.children())
        copies = std::max(copies, CountChildPages(context, context.data.MainRecordSet(), report));
    return std::max(copies, 1);
}

// Every record's pages, each page as many times as its child reports need.
int CountTotalPages(const FillContext& context, const std::vector<TemplatePage>& pages) {
    RecordSet& main = *context.data.MainRecordSet()->recordSet();
    long long total = 0;
    for (main.moveFirst(); !main.isEof(); main.moveNext())
        for (const TemplatePage& page : pages) total += pageCopies(context, page);
    return static_cast<int>(std::min<long long>(total, 2147483647));
}

void FilterFriendRecordSets(const ReportData& data) {
    const RpdRecordSetPtr& main = data.MainRecordSet();
    const QString mainKey = main->LinkFriendKey();
    for (const RpdRecordSetPtr& friendSet : data.friends()) {
        const QString friendKey = friendSet->LinkFriendKey();
        if (friendKey.isEmpty() || mainKey.isEmpty() || !friendSet->recordSet()) continue;
        RecordSet& rows = *friendSet->recordSet();
        const int field = rows.fieldIndex(friendKey);
        const bool quoted = field < 0 || !isNumericFieldType(rows.field(field).type);
        const Value value = currentValue(*main->recordSet(), mainKey);
        QString text = value.isNullOrEmpty() ? (quoted ? QString() : QStringLiteral("0")) : value.toText();
        if (quoted) text.replace(u'\'', QStringLiteral("''"));
        const QString q = quoted ? QStringLiteral("'") : QString();
        applyView(rows, friendKey + QStringLiteral(" = ") + q + text + q, std::nullopt);
    }
}

// Sizes the target for a drawn page; gives the origin of its elements and,
// in `paper`, the whole page in the target's twips.
QPointF setUpPage(Surface& target, const ElementRecord& size, int& zoom, QRectF& paper) {
    const QPointF origin(size.number("LeftMargin") * kTwipsPerCentimetre, size.number("TopMargin") * kTwipsPerCentimetre);
    const int orientation = size.integer("Orientation", 1);
    const double width = size.number("PageWidth") * kTwipsPerCentimetre;
    const double height = size.number("PageHeight") * kTwipsPerCentimetre;
    const bool landscape = orientation == 2;
    const double across = landscape ? height : width, down = landscape ? width : height;
    paper = QRectF(0, 0, across, down);
    if (target.isPrinter()) {
        zoom = 100;
        target.setScale(across, down);  // twips, as the printer counts them
        target.setPaperSize(saturatingInt(size.number("PageSize", 9)));
        if (target.paperSize() == 256) target.setPaperDimensions(width, height);
        if (orientation == 1 || orientation == 2) target.setOrientation(orientation);
        return origin;
    }
    target.setPictureSize(across * zoom / 100.0, down * zoom / 100.0);
    target.setScale(across, down);
    target.clear();
    return origin;
}

}  // namespace

QString ReportEngine::PrintPages(Surface& target, const QString* templateXml, const ReportData& data, int& totalPages,
                                 PrintRequest& request) {
    return run(target, templateXml, data, totalPages, request, nullptr);
}

QString ReportEngine::PrintPages(Surface& target, const QString* templateXml, const ReportData& data, int& totalPages,
                                 PrintRequest& request, PreviewIndex& index) {
    return run(target, templateXml, data, totalPages, request, target.isPrinter() ? nullptr : &index);
}

QString ReportEngine::run(Surface& target, const QString* templateXml, const ReportData& data, int& totalPages,
                          PrintRequest& request, PreviewIndex* index) {
    QHash<QString, long> childCursor;
    pagesDrawn_ = 0;
    const RpdRecordSetPtr& mainEntry = data.MainRecordSet();
    if (!mainEntry->recordSet()) return kNoDataSource;
    RecordSet& main = *mainEntry->recordSet();
    if (main.recordCount() == 0) return kNoRecords;
    if (!templateXml) return kNoTemplate;

    pugi::xml_document document;
    if (!loadXmlText(document, *templateXml) || !document.document_element()) return {};
    const pugi::xml_node reportNode = document.child("Report");
    const ElementRecord report(reportNode);
    const pugi::xml_node pages = reportNode.child("Pages");
    applicationTitle_ = report.text("Name", applicationTitle_);
    target.setDocumentName(applicationTitle_);
    const bool taoDa = report.flag("TaoDa", false);
    static_cast<void>(main.setSort(report.text("OrderBy")));

    FillContext context{target, data, evaluator_, childCursor, childMovedFlag_};
    context.noDataRP = report.text("NoDataRP", QStringLiteral("/"));
    context.lineWidth = report.integer("XianKuan", 1);
    const std::vector<TemplatePage> templatePages = pagesByNumber(pages);
    if (!index || index->totalPages < 0) totalPages = CountTotalPages(context, templatePages);
    else totalPages = index->totalPages;
    if (index) index->totalPages = totalPages;
    context.totalPages = totalPages;
    const PageSet pageList(ParsePageRange(totalPages, request.pageRange));
    const std::optional<int> lastListed = pageList.last();
    if (target.isPrinter()) request.zoom = 100;
    context.zoom = request.zoom;

    // A preview run starts at the last page start before the page it shows.
    int counter = 0;
    std::size_t firstPage = 0;
    int firstCopy = 1;
    main.moveFirst();
    if (index) {
        request.requestedPage = std::clamp(request.requestedPage, 1, std::max(totalPages, 1));
        const auto known = static_cast<std::size_t>((request.requestedPage - 1) / PreviewIndex::kEvery);
        if (!index->starts.empty()) {
            const PreviewIndex::PageStart& start = index->starts[std::min(known, index->starts.size() - 1)];
            static_cast<void>(main.setAbsolutePosition(start.mainPosition));
            firstPage = start.page;
            firstCopy = start.copy;
            counter = start.counter;
            childCursor = start.cursors;
            childMovedFlag_ = start.moved;
        }
    }
    bool stop = false;
    for (; !main.isEof() && !stop; main.moveNext()) {
        FilterFriendRecordSets(data);
        for (std::size_t k = firstPage; k < templatePages.size() && !stop; ++k) {
            const TemplatePage& page = templatePages[k];
            const int copies = pageCopies(context, page);
            for (int copy = firstCopy; copy <= copies && !stop; ++copy) {
                firstCopy = 1;
                if (index && counter % PreviewIndex::kEvery == 0 &&
                    index->starts.size() == static_cast<std::size_t>(counter / PreviewIndex::kEvery))
                    index->starts.push_back({main.absolutePosition(), k, copy, counter, childCursor, childMovedFlag_});
                ++counter;
                request.requestedPage = std::min(request.requestedPage, totalPages);
                const bool draw = target.isPrinter() ? pageList.contains(counter) : counter == request.requestedPage;
                QPointF origin;
                if (draw) {
                    origin = setUpPage(target, ElementRecord(page.size), request.zoom, context.paper);
                    context.zoom = request.zoom;
                    target.openPage(counter);
                    ++pagesDrawn_;
                    if (!taoDa) PrintBackground(context, page.page, origin);
                    PrintImages(context, page.controls, mainEntry, origin);
                    PrintChecks(context, page.controls, mainEntry, origin, counter);
                }
                const QPointF wholeOrigin(std::round(origin.x()), std::round(origin.y()));
                TotalsPair totals;
                if (page.childReports)
                    PrintChildReports(context, mainEntry, page.childReports, totals, {counter, wholeOrigin, draw, 0});
                if (draw) {
                    if (!taoDa) {
                        PrintBoxes(context, page.controls, origin);
                        PrintLines(context, page.controls, origin);
                        PrintLabels(context, page.controls, origin);
                    }
                    PrintTextBoxes(context, page.controls, mainEntry, totals, {counter, origin, copy == copies, false});
                    if (target.isPrinter()) target.newPage();
                }
                stop = target.isPrinter() ? (lastListed && *lastListed <= counter) : draw;
            }
        }
        firstPage = 0;
        if (stop) break;
    }
    main.moveFirst();
    if (target.isPrinter()) target.endDoc();
    return {};
}

}  // namespace ky
