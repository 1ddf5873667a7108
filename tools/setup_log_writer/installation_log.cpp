#include "tools/setup_log_writer/installation_log.h"

#include "unsetup/common_texts.h"

#include <QDir>

#include <optional>
#include <utility>

namespace ky::install {

namespace {

using namespace ky::unsetup;

// The uninstaller's window texts; "%1" is the application's name.
const std::pair<int, const char16_t*> kCommonTexts[] = {
    {text::mainTitle, u"%1 卸载程序"},
    {text::confirmTitle, u"确认删除文件"},
    {text::confirmText, u"你确实要完全删除 %1 及其所有组件吗？"},
    {text::progressTitle, u"从你的计算机中删除程序"},
    {text::progressText, u"卸载程序将从你的计算机中删除软件 %1 ，下列所有组件将被删除。请等待..."},
    {text::someLeft, u"有些组件不能删除，单击“详细资料...”查看它们。"},
    {text::allRemoved, u"%1 已从你的计算机中删除。"},
    {text::detailsTitle, u"详细资料"},
    {text::detailsCaption, u"下列项目不能删除："},
    {text::folderFailed, u"不能删除文件夹"},
    {text::fileFailed, u"不能删除文件"},
};

class LogText {
public:
    void section(QStringView name) { line(u'[' + name.toString() + u']'); }
    // The reader splits lines at line breaks and drops lines of two
    // characters or fewer, so such an entry would not read back.
    void line(const QString& text) {
        if (text.contains(u'\r') || text.contains(u'\n') || text.size() <= 2) broken_ = text;
        text_ += text + QStringLiteral("\r\n");
    }
    void path(const QString& text) {
        if (!QDir::isAbsolutePath(text)) broken_ = text;
        line(text);
    }
    // Only the last field may hold a comma.
    void registryEntry(Hive hive, const QString& path, const std::optional<QString>& valueName = {}) {
        if (valueName && path.contains(u',')) broken_ = path;
        const QString key = registryKeyText(hive, QString()).chopped(1) + u',' + path;  // "HKCR,path"
        line(valueName ? key + u',' + *valueName : key);
    }
    Result<QByteArray> bytes() const {
        if (!broken_.isEmpty()) return fail(QStringLiteral("\"%1\" cannot be an entry of the log").arg(broken_));
        return text_.toUtf8();
    }

private:
    QString text_;
    QString broken_;
};

}  // namespace

Result<QByteArray> installationLogText(const Installation& installation) {
    LogText log;
    log.section(section::common);
    log.line(QStringLiteral("Application_Name=") + installation.applicationName);
    for (const auto& [id, text] : kCommonTexts) log.line(QString::number(id) + u'=' + QString::fromUtf16(text));

    log.section(section::appFiles);
    for (const QString& file : installation.files) log.path(file);
    log.section(section::appFolders);
    for (const QString& folder : installation.folders.inside) log.path(folder);
    log.section(section::appDir);
    for (const QString& folder : installation.folders.prefix) log.path(folder);

    log.section(section::registryKeys);
    for (const auto& key : installation.registry.keys) log.registryEntry(key.hive, key.path);
    log.section(section::registryValues);
    for (const auto& value : installation.registry.values)
        log.registryEntry(value.hive, value.path, value.name);

    log.section(section::libraries);
    for (const QString& library : installation.libraries) log.path(library);
    return log.bytes();
}

}  // namespace ky::install
