#pragma once
// The template document as the design window holds it: the whole XML
// document, the page shown expanded into a page model, and the operations
// between them (load, show a page, write it back, move and renumber pages).

#include "report/template/element_tree.h"
#include "report/template/page_model.h"
#include "report/data/report_session.h"
#include "platform/byte_stream.h"
#include "platform/result.h"

#include <QByteArray>
#include <QString>

#include <optional>

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
    virtual void captionChanged(const QString& caption) { (void)caption; }
    // The wait cursor while saving.
    virtual void busyChanged(bool busy) { (void)busy; }
    // An input box titled with the application name; nothing when cancelled.
    virtual std::optional<QString> askText(const QString& title, const QString& prompt) {
        (void)title, (void)prompt;
        return std::nullopt;
    }
    // The file dialog for templates; nothing when cancelled.
    virtual std::optional<QString> chooseTemplateFile(const QString& title, const QString& filter) {
        (void)title, (void)filter;
        return std::nullopt;
    }
    // A message box with the information icon.
    virtual void showMessage(const QString& title, const QString& text) { (void)title, (void)text; }
    // The save event: the host stores the template and may veto with isOk = false.
    virtual void xmlSaved(const QString& xml, const StreamPtr& stream, bool& isOk) { (void)xml, (void)stream, (void)isOk; }
};

// A page record's PageNo, read leniently; a number beyond an int's range
// saturates (no page has it).
int pageNumberOf(pugi::xml_node page);

class TemplateDocument {
public:
    // The session's report name, when set, wins over the template's; `view`
    // may be null.
    explicit TemplateDocument(ReportSession& session, TemplateView* view = nullptr);

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
    // The save command: only when design is allowed. Raises the save event
    // with the document's text and bytes; false when vetoed or not allowed.
    bool saveTemplate();
    // The report data file of the document and the session's record sets.
    Result<StreamPtr> GetRPDFile();
    // The import command: the single-page form is loaded into the current
    // page; otherwise the user picks a page, or -1 for all pages. Failures
    // are shown as the load error.
    void importTemplate(const StreamPtr& stream);
    // The open command: an .rpx, or the template of an .rpd, is imported.
    void openTemplateFile();
    bool hasUnsavedChanges() const { return unsaved_; }
    void setUnsavedChanges(bool unsaved) { unsaved_ = unsaved; }

    PageModel& page() { return page_; }
    const PageModel& page() const { return page_; }
    int currentPageNumber() const { return currentPage_; }
    int pageCount() const { return pageCount_; }
    const QString& reportName() const { return session_.reportName; }
    pugi::xml_document& document() { return document_; }

    // The document used when there is no template or it cannot be parsed.
    static QByteArray defaultDocument();

private:
    Status readPage(pugi::xml_node page);
    void readReportSettings();
    void status(const QString& text);
    std::vector<pugi::xml_node> pageNodes() const;
    Status importSinglePage(const StreamPtr& stream);
    Status importPages(const StreamPtr& stream, int pageCount, pugi::xml_document& imported);
    QString designCaption() const;

    ReportSession& session_;
    TemplateView* view_;
    bool unsaved_ = false;
    pugi::xml_document document_;
    pugi::xml_node report_, pages_, currentNode_;
    int currentPage_ = 0;
    int pageCount_ = 0;
    PageModel page_;
};

}  // namespace ky
