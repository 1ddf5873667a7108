#pragma once
// The template document as the design window holds it: the whole XML
// document, the page shown expanded into a page model, and the operations
// between them (load, show a page, write it back, move and renumber pages).

#include "report/template/element_tree.h"
#include "report/template/page_model.h"
#include "platform/byte_stream.h"
#include "platform/result.h"

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

namespace ky {

// What the window does when the document changes what it shows. Every
// method has a do-nothing default, so headless use needs none of them.
class TemplateView : public StatusSink {
public:
    void showStatus(const QString& text) override { (void)text; }
    // The report name read from a template when the report had none.
    virtual void reportNameRead(const QString& name) { (void)name; }
    virtual void pageButtonsChanged(bool previousEnabled, bool nextEnabled) { (void)previousEnabled, (void)nextEnabled; }
};

class TemplateDocument {
public:
    // `reportName` is the report name already set by the host (it wins over
    // the template's); `view` may be null.
    explicit TemplateDocument(QString reportName = {}, TemplateView* view = nullptr);

    // Replaces the document from the stream (the default new-report
    // document when the bytes are not XML) and shows page 1. Nothing when
    // the stream is missing.
    Status loadRPX(const StreamPtr& stream);
    // The first page whose PageNo is n becomes current (none when there is
    // no such page) and is read into the page model.
    Status showPage(int n);
    // Writes the page model back as the current page.
    void writeCurrentPage();
    // Moves page n by delta places, renumbering the pages in between.
    void movePage(int n, int delta);
    // Closes gaps in the page numbers, keeping their order.
    void renumberPages();

    // The document as a save writes it: the page shown is written back first.
    QByteArray save();

    PageModel& page() { return page_; }
    const PageModel& page() const { return page_; }
    int currentPageNumber() const { return currentPage_; }
    int pageCount() const { return pageCount_; }
    const QString& reportName() const { return reportName_; }
    pugi::xml_document& document() { return document_; }

    // The document used when there is no template or it cannot be parsed.
    static QByteArray defaultDocument();

private:
    Status readPage(pugi::xml_node page);
    void readReportSettings();
    void status(const QString& text);
    std::vector<pugi::xml_node> pageNodes() const;
    Status importSinglePage(const StreamPtr& stream);

    TemplateView* view_;
    QString reportName_;
    pugi::xml_document document_;
    pugi::xml_node report_, pages_, currentNode_;
    int currentPage_ = 0;
    int pageCount_ = 0;
    PageModel page_;
};

}  // namespace ky
