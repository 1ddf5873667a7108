#pragma once
// `PrintPages`: one run over the main record set that instantiates every
// template page for every record (repeated while its child reports have
// rows), binds the texts and draws the pages that are asked for, on the
// printer (a range of pages) or on a picture (one page).

#include "report/engine/expression/expression_evaluator.h"
#include "report/engine/fill/report_data.h"
#include "report/engine/surface/surface.h"

#include <QHash>
#include <QString>

#include <vector>

namespace ky {

struct PrintRequest {
    int requestedPage = 1;             // the page a picture shows; clamped to the total
    QString pageRange = QStringLiteral("ALL");  // printer only
    int zoom = 100;                    // percent; printing forces 100
};

// Where the preview's runs stood as pages began, so that a page can be shown
// by a run that starts near it instead of at the first record. Valid for one
// template and one set of data: the window drops it when either changes.
struct PreviewIndex {
    struct PageStart {
        long mainPosition = 1;   // the main record (1-based, in the run's order)
        std::size_t page = 0;    // the template page
        int copy = 1;            // its copy for that record
        int counter = 0;         // pages before this one
        QHash<QString, long> cursors;
        QHash<QString, bool> moved;
    };
    // A start is kept for every this many pages: at most this many pages
    // are filled without drawing before the one shown.
    static constexpr int kEvery = 16;

    int totalPages = -1;  // counted once, by the first run
    std::vector<PageStart> starts;  // starts[i] is page i * kEvery + 1
};

class ReportEngine {
public:
    explicit ReportEngine(ExpressionEvaluator evaluator = ExpressionEvaluator()) : evaluator_(std::move(evaluator)) {}

    inline static const QString kNoDataSource = QStringLiteral("数据源设置错误，请退出保存数据后重试");
    inline static const QString kNoRecords = QStringLiteral("没有可打印的数据，请保存记录后重试");
    inline static const QString kNoTemplate = QStringLiteral("报表格式设置不正确");

    // The message (empty on success). `templateXml` is the template's XML
    // text; nothing means there is no template. `totalPages` is set to the
    // run's page count; `request` gets the clamped page and the zoom used.
    QString PrintPages(Surface& target, const QString* templateXml, const ReportData& data, int& totalPages,
                       PrintRequest& request);
    // The same for a picture of one page, starting from the nearest page
    // start of `index` and keeping the starts it passes; the page drawn is
    // exactly the one a run from the first record draws.
    QString PrintPages(Surface& target, const QString* templateXml, const ReportData& data, int& totalPages,
                       PrintRequest& request, PreviewIndex& index);

    // The report's name from the last run: the title print jobs are named by.
    const QString& applicationTitle() const { return applicationTitle_; }
    // The pages the last run drew.
    int pagesDrawn() const { return pagesDrawn_; }

private:
    QString run(Surface& target, const QString* templateXml, const ReportData& data, int& totalPages, PrintRequest& request,
                PreviewIndex* index);

    ExpressionEvaluator evaluator_;
    // Kept across runs, as the component keeps it.
    QHash<QString, bool> childMovedFlag_;
    QString applicationTitle_;
    int pagesDrawn_ = 0;
};

}  // namespace ky
