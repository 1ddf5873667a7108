#include "report/template/template_document.h"

#include "report/template/dom_helpers.h"
#include "report/template/record_fields.h"
#include "report/template/xml_document.h"
#include "platform/saturating_int.h"

#include <algorithm>

namespace ky {

int pageNumberOf(pugi::xml_node page) {
    return saturatingInt(readNumber(GetChildText(page, QStringLiteral("PageNo"), {})));
}

namespace {

void writeSetup(RecordWriter& size, const PageSetup& setup) {
    size.number("PageWidth", setup.PageWidth);
    size.number("PageHeight", setup.PageHeight);
    size.number("LeftMargin", setup.LeftMargin);
    size.number("TopMargin", setup.TopMargin);
    size.number("RightMargin", setup.RightMargin);
    size.number("BottomMargin", setup.BottomMargin);
    size.integer("Orientation", setup.Orientation);
    size.integer("PageSize", setup.PageSize == 0 ? 9 : setup.PageSize);
}

PageSetup readSetup(const RecordReader& size) {
    PageSetup setup;
    setup.PageWidth = size.number("PageWidth", 0);
    setup.PageHeight = size.number("PageHeight", 0);
    setup.LeftMargin = size.number("LeftMargin", 0);
    setup.TopMargin = size.number("TopMargin", 0);
    setup.RightMargin = size.number("RightMargin", 0);
    setup.BottomMargin = size.number("BottomMargin", 0);
    setup.Orientation = size.integer("Orientation", 1);
    setup.PageSize = size.integer("PageSize", 9);
    return setup;
}

}  // namespace

TemplateDocument::TemplateDocument(ReportSession& session, TemplateView* view) : session_(session), view_(view) {}

QByteArray TemplateDocument::defaultDocument() {
    pugi::xml_document document;
    pugi::xml_node report = document.append_child("Report");
    pugi::xml_node page = report.append_child("Pages").append_child("Page");
    auto pageFields = RecordWriter::fresh(page);
    pageFields.integer("PageNo", 1);
    AppendBinaryElement(page, QStringLiteral("Background"), nullptr);
    pageFields.number("bgLeft", -0.4);
    pageFields.number("bgTop", -0.4);
    auto size = RecordWriter::fresh(page.append_child("Size"));
    writeSetup(size, PageSetup{21, 29.7, 0, 0, 0, 0, 1, 9});
    appendEmptyCollections(page.append_child("Controls"));
    RecordWriter fields(report);
    fields.text("Name", {});
    fields.integer("XianKuan", 1);
    fields.flag("NeedCFG", false);
    fields.text("NoDataRP", {});
    fields.flag("TaoDa", false);
    fields.integer("DefFontSize", 10);
    return saveXmlBytes(document);
}

void TemplateDocument::status(const QString& text) {
    if (view_) view_->showStatus(text);
}

std::vector<pugi::xml_node> TemplateDocument::pageNodes() const {
    std::vector<pugi::xml_node> pages;
    for (pugi::xml_node page : pages_.children("Page")) pages.push_back(page);
    return pages;
}

Status TemplateDocument::loadRPX(const StreamPtr& stream) {
    if (!stream) return {};
    document_.reset();
    stream->setPosition(0);
    // Only a document with a Report root is a template; anything else gets the default one.
    if (!loadXmlBytes(document_, stream->bytes()) || !document_.child("Report")) {
        (void)loadXmlBytes(document_, defaultDocument());
    }
    report_ = document_.child("Report");
    pages_ = report_.child("Pages");
    Status loaded;
    if (!pages_) {
        // The older single-page form: its page is imported, and written as page 1 on the next save.
        pages_ = report_.append_child("Pages");
        currentNode_ = {};
        currentPage_ = pageCount_ = 1;
        loaded = importSinglePage(stream);
    } else {
        pageCount_ = static_cast<int>(pageNodes().size());
        loaded = showPage(1);
    }
    // Every one of them: a second copy left behind would be taken for the
    // page on the next load, so a saved template would not save the same.
    while (report_.remove_child("Controls")) {}
    while (report_.remove_child("Size")) {}
    return loaded;
}

Status TemplateDocument::importSinglePage(const StreamPtr& stream) {
    pugi::xml_document single;
    if (!loadXmlBytes(single, stream->bytes())) return fail(kTemplateLoadError);
    const pugi::xml_node report = single.child("Report");
    pugi::xml_node controls = report.child("Controls");
    if (controls) {
        pugi::xml_node collection = controls.append_child("ChildReports");
        if (pugi::xml_node child = controls.child("ChildReport")) collection.append_move(child);
    }
    return readPage(report);
}

Status TemplateDocument::showPage(int n) {
    currentNode_ = {};
    for (pugi::xml_node page : pageNodes()) {
        if (pageNumberOf(page) == n) {
            currentNode_ = page;
            break;
        }
    }
    currentPage_ = n;
    if (view_) view_->pageButtonsChanged(n > 1, n < pageCount_);
    Status read = readPage(currentNode_);
    status(QStringLiteral("设计报表,当前第【%1】页,共有【%2】页。").arg(n).arg(pageCount_));
    return read;
}

void TemplateDocument::readReportSettings() {
    RecordReader report(report_);
    if (session_.reportName.isEmpty()) {
        session_.reportName = report.text("Name");
        if (view_) {
            view_->reportNameRead(session_.reportName);
            view_->captionChanged(designCaption());
        }
    }
    ReportSettings& settings = page_.report;
    settings.Name = session_.reportName;
    settings.XianKuan = report.integer("XianKuan", 1);
    settings.NeedCFG = report.flag("NeedCFG", true);
    settings.NoDataRP = report.text("NoDataRP", QStringLiteral("未定义"));
    settings.TaoDa = report.flag("TaoDa", false);
    settings.DefFontSize = report.number("DefFontSize", 12);
    settings.OrderBy = report.text("OrderBy");
}

Status TemplateDocument::readPage(pugi::xml_node page) {
    status(QStringLiteral("删除当前设置...."));
    page_.elements = ElementContainer{};
    status(QStringLiteral("删除当前设置....完成!"));
    page_.background = nullptr;
    if (!page) {
        // A page that was never saved: the surface keeps its setup and starts empty.
        status(QStringLiteral("新建页....完成!"));
        return {};
    }
    status(QStringLiteral("读取报表配置...."));
    readReportSettings();
    if (!page.child("Size")) return fail(kTemplateLoadError);
    page_.setup = readSetup(RecordReader(page.child("Size")));
    RecordReader pageFields(page);
    page_.background = pageFields.stream("Background");
    page_.bgLeft = pageFields.number("bgLeft", 0);
    page_.bgTop = pageFields.number("bgTop", 0);
    if (!pageFields.ok()) return fail(kTemplateLoadError);

    status(QStringLiteral("加载模板...."));
    if (Status read = ElementTreeReader(view_).read(page.child("Controls"), page_.elements); !read)
        return fail(kTemplateLoadError);
    status(QStringLiteral("加载模板....完成"));
    status(QStringLiteral("加载报表表完成"));
    return {};
}

void TemplateDocument::writeCurrentPage() {
    RecordWriter report(report_);
    const ReportSettings& settings = page_.report;
    report.text("Name", session_.reportName);
    report.integer("XianKuan", std::max(1, settings.XianKuan));
    report.flag("NeedCFG", settings.NeedCFG);
    report.text("NoDataRP", settings.NoDataRP);
    report.flag("TaoDa", settings.TaoDa);
    report.number("DefFontSize", settings.DefFontSize);

    // The new page takes the current one's place; a page never saved is appended.
    pugi::xml_node page = currentNode_ ? pages_.insert_child_before("Page", currentNode_) : pages_.append_child("Page");
    if (currentNode_) pages_.remove_child(currentNode_);
    currentNode_ = page;

    auto fields = RecordWriter::fresh(page);
    fields.integer("PageNo", currentPage_);
    AppendBinaryElement(page, QStringLiteral("Background"), page_.background);
    fields.number("bgLeft", page_.bgLeft);
    fields.number("bgTop", page_.bgTop);
    auto size = RecordWriter::fresh(page.append_child("Size"));
    writeSetup(size, page_.setup);
    pugi::xml_node controls = page.append_child("Controls");
    appendEmptyCollections(controls);
    writeElementTree(controls, page_.elements, kPageSurfaceName);
}

void TemplateDocument::movePage(int n, int delta) {
    const int target = n + delta;
    if (target < 1 || target > pageCount_) return;
    for (pugi::xml_node page : pageNodes()) {
        const int f = pageNumberOf(page);
        int moved = f;
        if (f == n)
            moved = target;
        else if (delta < 0 && target <= f && f < n)
            moved = f + 1;
        else if (delta > 0 && n < f && f <= target)
            moved = f - 1;
        if (moved != f) SetChildText(page, QStringLiteral("PageNo"), QString::number(moved));
    }
}

void TemplateDocument::renumberPages() {
    const auto pages = pageNodes();
    if (pages.empty()) return;
    std::vector<int> sorted;
    for (pugi::xml_node page : pages) sorted.push_back(pageNumberOf(page));
    std::sort(sorted.begin(), sorted.end());
    for (pugi::xml_node page : pages) {
        const auto position = std::lower_bound(sorted.begin(), sorted.end(), pageNumberOf(page)) - sorted.begin();
        SetChildText(page, QStringLiteral("PageNo"), QString::number(position + 1));
    }
    pageCount_ = static_cast<int>(pages.size());
}

QByteArray TemplateDocument::save() {
    writeCurrentPage();
    return saveXmlBytes(document_);
}

}  // namespace ky
