#pragma once
// Reports filled into a recording surface with fixed text widths, from JSON
// data and templates written inline, and what their pages show.

#include "report/data/json_to_record_sets.h"
#include "report/engine/fill/print_pages.h"
#include "report/engine/surface/recording_surface.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

namespace ky::test {

struct FilledReport {
    QString message;
    int totalPages = 0;
    int requestedPage = 0;
    std::vector<RecordedPage> pages;
};

class ReportFixture {
public:
    // Report data as the server sends it.
    void loadJson(const QString& json) {
        JsonToRPD_Rst converter;
        ASSERT_TRUE(converter.ParseStringToRPDRs(json).isEmpty());
        for (int i = 0; i < converter.RPDRecordsetCount(); ++i)
            if (const auto wrapper = converter.RPDRecordset(i)) {
                ASSERT_TRUE(list_.addRPDData(wrapper.get()));
            }
    }

    RecordSetList& list() { return list_; }

    FilledReport print(const QString& xml, const QString& range = QStringLiteral("ALL")) {
        return run(xml, RecordingSurface::Mode::Printer, 1, range);
    }
    FilledReport show(const QString& xml, int page) { return run(xml, RecordingSurface::Mode::Picture, page, u"ALL"_qs); }

    ReportEngine& engine() { return engine_; }

private:
    FilledReport run(const QString& xml, RecordingSurface::Mode mode, int page, const QString& range) {
        RecordingSurface surface(metrics_, mode);
        PrintRequest request{page, range, 100};
        FilledReport out;
        out.message = engine_.PrintPages(surface, &xml, ReportData(list_), out.totalPages, request);
        out.requestedPage = request.requestedPage;
        out.pages = surface.pages();
        return out;
    }

    RecordSetList list_;
    FixedTextMetrics metrics_;
    ReportEngine engine_;
};

// The texts drawn on a page, in drawing order.
inline QStringList textsOf(const RecordedPage& page) {
    QStringList texts;
    for (const DrawOp& op : page.ops)
        if (op.kind == DrawOp::Kind::Text || op.kind == DrawOp::Kind::PrintText) texts << op.text;
    return texts;
}

inline std::vector<int> pageNumbersOf(const FilledReport& report) {
    std::vector<int> numbers;
    for (const RecordedPage& page : report.pages) numbers.push_back(page.number);
    return numbers;
}

// The first text op with exactly this text, or nothing.
inline const DrawOp* findText(const RecordedPage& page, const QString& text) {
    for (const DrawOp& op : page.ops)
        if ((op.kind == DrawOp::Kind::Text || op.kind == DrawOp::Kind::PrintText) && op.text == text) return &op;
    return nullptr;
}

// --- Templates, written the way the designer stores them. ---

inline QString tag(const QString& name, const QString& content) { return u'<' + name + u'>' + content + u"</"_qs + name + u'>'; }

inline QString geometry(int left, int top, int width, int height) {
    return tag(u"Left"_qs, QString::number(left)) + tag(u"Top"_qs, QString::number(top)) + tag(u"Width"_qs, QString::number(width)) +
           tag(u"Height"_qs, QString::number(height));
}

// A text box 4000 × 300 twips in 10-point type, wide enough for the texts of the tests.
inline QString textBox(int left, int top, const QString& dataField, const QString& extra = {}) {
    return tag(u"Textbox"_qs, geometry(left, top, 4000, 300) + tag(u"FontSize"_qs, u"10"_qs) + tag(u"FontName"_qs, u"宋体"_qs) +
                                  tag(u"DataField"_qs, dataField.toHtmlEscaped()) + tag(u"DataSourceID"_qs, u"1"_qs) +
                                  tag(u"XSWS"_qs, u"-1"_qs) + extra);
}

inline QString label(int left, int top, const QString& caption) {
    return tag(u"Label"_qs, geometry(left, top, 2000, 300) + tag(u"FontSize"_qs, u"10"_qs) + tag(u"Caption"_qs, caption));
}

struct ControlLists {
    QStringList labels = {};
    QStringList textBoxes = {};
    QStringList lines = {};
    QStringList boxes = {};
    QStringList childReports = {};
};

inline QString controls(const ControlLists& lists) {
    return tag(u"Controls"_qs, tag(u"Labels"_qs, lists.labels.join(QString())) + tag(u"TextBoxs"_qs, lists.textBoxes.join(QString())) +
                                   tag(u"Lines"_qs, lists.lines.join(QString())) + tag(u"Images"_qs, {}) +
                                   tag(u"Boxs"_qs, lists.boxes.join(QString())) + tag(u"Checks"_qs, {}) +
                                   tag(u"ChildReports"_qs, lists.childReports.join(QString())));
}

struct ChildReportLayout {
    QString key;
    int left = 0, top = 3000, width = 6000, height = 600;
    int cellWidth = 2000, cellHeight = 300;
    int direction = 1;
    QString extra;  // further tags: EOFEnd, IsFlowText, ...
    ControlLists cell;
    int index = 1;
    QString parentListName = QStringLiteral("Pic_Page");
};

inline QString childReport(const ChildReportLayout& layout) {
    return tag(u"ChildReport"_qs,
               tag(u"ChildReportIndex"_qs, QString::number(layout.index)) + geometry(layout.left, layout.top, layout.width, layout.height) +
                   tag(u"LieYinFangXiang"_qs, QString::number(layout.direction)) + tag(u"ChildRecordSetIndex"_qs, layout.key) +
                   tag(u"ListName"_qs, u"C"_qs + QString::number(layout.index)) +
                   tag(u"ParentListName"_qs, layout.parentListName) + layout.extra +
                   tag(u"ChildMain"_qs, tag(u"Width"_qs, QString::number(layout.cellWidth)) +
                                            tag(u"Height"_qs, QString::number(layout.cellHeight)) + controls(layout.cell)));
}

// An A4 portrait page without margins.
inline QString page(int number, const ControlLists& lists) {
    return tag(u"Page"_qs, tag(u"PageNo"_qs, QString::number(number)) +
                               tag(u"Size"_qs, u"<PageWidth>21</PageWidth><PageHeight>29.7</PageHeight><Orientation>1</Orientation>"_qs) +
                               controls(lists));
}

inline QString report(const QStringList& pages, const QString& extra = {}) {
    return tag(u"Report"_qs, tag(u"Pages"_qs, pages.join(QString())) + tag(u"Name"_qs, u"检验报告"_qs) + extra);
}

}  // namespace ky::test
