// The window's commands on the template document: save, the report data
// file, import and open.

#include "report/template/template_document.h"

#include "report/template/record_fields.h"
#include "report/template/report_data_file.h"
#include "report/template/xml_document.h"
#include "report/data/record_set_bundle.h"
#include "platform/saturating_int.h"

namespace ky {

QString TemplateDocument::designCaption() const {
    return session_.reportName + QStringLiteral(" (设计报表)-") + session_.appName;
}

bool TemplateDocument::saveTemplate() {
    if (!session_.allowDesign) return false;
    status(QStringLiteral("正在保存……"));
    if (view_) view_->busyChanged(true);
    auto stream = makeStream(save());
    stream->setPosition(0);
    if (view_) view_->captionChanged(designCaption());
    unsaved_ = false;
    bool isOk = true;
    if (view_) view_->xmlSaved(saveXmlText(document_), stream, isOk);
    status(isOk ? QStringLiteral("保存完毕") : QStringLiteral("保存失败"));
    if (view_) view_->busyChanged(false);
    return isOk;
}

Result<StreamPtr> TemplateDocument::GetRPDFile() {
    const auto templateStream = makeStream(save());
    auto bundle = packRecordSets(session_.recordSets);
    if (!bundle) return fail(bundle.error());
    return PackReportData(templateStream, bundle.value());
}

void TemplateDocument::importTemplate(const StreamPtr& stream) {
    if (!stream) return;
    pugi::xml_document imported;
    Status result;
    if (!loadXmlBytes(imported, stream->bytes())) {
        result = fail(kTemplateLoadError);
    } else if (!imported.document_element()) {
        return;
    } else if (!imported.child("Report").child("Pages")) {
        result = importSinglePage(stream);
    } else {
        int pageCount = 0;
        for ([[maybe_unused]] pugi::xml_node page : imported.child("Report").child("Pages").children()) ++pageCount;
        result = importPages(stream, pageCount, imported);
    }
    if (!result && view_) view_->showMessage(session_.appName, kTemplateLoadError);
}

Status TemplateDocument::importPages(const StreamPtr& stream, int pageCount, pugi::xml_document& imported) {
    if (!view_) return {};
    const auto answer = view_->askText(
        session_.appName,
        QStringLiteral("您要导入的报表包含%1页，请输入要导入的页码，导入所有页请输入-1，注意：如果导入所有页，将清除现有的所有页")
            .arg(pageCount));
    if (!answer) return {};
    const int wanted = saturatingInt(readNumber(*answer));
    if (wanted == -1) return loadRPX(stream);
    if (wanted <= 0) return {};
    // The chosen page goes into the page shown; a number without a page clears it.
    pugi::xml_node chosen;
    for (pugi::xml_node page : imported.child("Report").child("Pages").children("Page")) {
        if (pageNumberOf(page) == wanted) {
            chosen = page;
            break;
        }
    }
    return readPage(chosen);
}

void TemplateDocument::openTemplateFile() {
    if (!session_.allowDesign || !view_) return;
    const auto path = view_->chooseTemplateFile(QStringLiteral("请选择要打开的文件"),
                                                QStringLiteral("报表数据格式文件,报表格式文件|*.RPD;*.RPX"));
    if (!path || path->isEmpty()) return;
    auto file = makeStream();
    if (!file->loadFromFile(*path)) {
        view_->showMessage(session_.appName, kTemplateLoadError);
        return;
    }
    if (path->endsWith(QStringLiteral("rpx"), Qt::CaseInsensitive)) {
        importTemplate(file);
    } else if (path->endsWith(QStringLiteral("rpd"), Qt::CaseInsensitive)) {
        const auto parts = UnpackReportData(file);
        if (!parts) {
            view_->showMessage(session_.appName, kTemplateLoadError);
            return;
        }
        importTemplate(parts->format);  // the data part is not used here
    }
}

}  // namespace ky
