// kyreport dump TEMPLATE [--data DATA.json | --rpd REPORT.rpd] [--page N | --pages RANGE]:
// the report filled and paginated into a recording surface, every drawing
// call of every page printed as JSON.

#include "tools/kyreport/command.h"
#include "tools/kyreport/option_parser.h"
#include "tools/kyreport/report_inputs.h"

#include "report/engine/fill/print_pages.h"
#include "report/engine/qt/qt_picture_size.h"
#include "report/engine/qt/qt_text_metrics.h"
#include "report/engine/surface/display_list_json.h"
#include "report/engine/surface/recording_surface.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace ky::cli {

namespace {

const QString kUsage = QStringLiteral(
    "usage: kyreport dump TEMPLATE [--data DATA.json | --rpd REPORT.rpd] [--page N | --pages RANGE] [--metrics real|fixed]");

int dump(const QStringList& args, const Output& io) {
    OptionParser options(args, {"--data", "--rpd", "--page", "--pages", "--metrics"});
    if (!options.ok() || options.positional().size() != 1 || (options.has("--page") && options.has("--pages")) ||
        (options.has("--data") && options.has("--rpd"))) {
        io.error(options.ok() ? kUsage : options.error() + u'\n' + kUsage);
        return exitUsage;
    }
    bool pageOk = true;
    const int page = options.has("--page") ? options.value("--page").toInt(&pageOk) : 0;
    const QString metricsName = options.value("--metrics", QStringLiteral("real"));
    if (!pageOk || (options.has("--page") && page < 1) || (metricsName != u"real"_qs && metricsName != u"fixed"_qs)) {
        io.error(kUsage);
        return exitUsage;
    }
    auto inputs = loadReportInputs(options.positional().front(), options.value("--data"), options.value("--rpd"));
    if (!inputs) {
        io.error(inputs.error());
        return exitFailed;
    }
    // Real fonts by default; fixed widths give the same output on every machine.
    std::unique_ptr<TextMetrics> metrics;
    if (metricsName == u"fixed"_qs) metrics = std::make_unique<FixedTextMetrics>();
    else metrics = std::make_unique<QtTextMetrics>();
    const bool onePage = options.has("--page");
    RecordingSurface surface(*metrics, onePage ? RecordingSurface::Mode::Picture : RecordingSurface::Mode::Printer,
                             naturalPictureSize);
    PrintRequest request;
    request.requestedPage = onePage ? page : 1;
    request.pageRange = options.value("--pages", QStringLiteral("ALL"));
    const ReportData data(inputs->session->recordSets);
    ReportEngine engine;
    int totalPages = 0;
    const QString message = engine.PrintPages(surface, &inputs->templateXml, data, totalPages, request);
    QJsonObject out{{QStringLiteral("message"), message},
                    {QStringLiteral("totalPages"), totalPages},
                    {QStringLiteral("pages"), pagesToJson(surface.pages())}};
    if (!inputs->dataMessage.isEmpty()) out.insert(QStringLiteral("dataMessage"), inputs->dataMessage);
    io.write(QJsonDocument(out).toJson(QJsonDocument::Indented));
    return message.isEmpty() ? exitOk : exitFailed;
}

}  // namespace

std::vector<Command> dumpCommands() {
    return {{QStringLiteral("dump"), helpLine(kUsage),
             QStringLiteral("fill and paginate a report and print every drawing call of its pages as JSON"), dump, true}};
}

}  // namespace ky::cli
