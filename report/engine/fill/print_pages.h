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

namespace ky {

struct PrintRequest {
    int requestedPage = 1;             // the page a picture shows; clamped to the total
    QString pageRange = QStringLiteral("ALL");  // printer only
    int zoom = 100;                    // percent; printing forces 100
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

    // The report's name from the last run: the title print jobs are named by.
    const QString& applicationTitle() const { return applicationTitle_; }
    // The pages the last run drew.
    int pagesDrawn() const { return pagesDrawn_; }

private:
    ExpressionEvaluator evaluator_;
    // Kept across runs, as the component keeps it.
    QHash<QString, bool> childMovedFlag_;
    QString applicationTitle_;
    int pagesDrawn_ = 0;
};

}  // namespace ky
