// A window made of the designer's controls, for the desktop tests: the main
// toolbar with its images and captions, a ruler and the status line. A click
// on a button shows its key in the status line; "退出" closes the window.
// The window closes by itself after a minute, so that no test waits on it.

#include "report/designer/controls/qm_status_bar.h"
#include "report/designer/controls/qm_toolbar.h"
#include "report/designer/controls/ruler.h"
#include "report/designer/controls/toolbar_strips.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QVBoxLayout>

using namespace ky::designer;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("控件探针"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* toolbar = new QmToolbar;
    toolbar->Initialize(16, true, false, true);
    toolbar->AddBitmap(toolbarStrip(1, window.devicePixelRatioF()), 0xFF00FF);
    const struct {
        const char* key;
        const char* caption;
        int image, style;
    } buttons[] = {{"PageUp", "向上一页", 1, QmToolbar::Button},   {"PageDown", "向下一页", 2, QmToolbar::Button},
                   {"", "", -1, QmToolbar::Separator},           {"DesignRPT", "设计报表", 5, QmToolbar::CheckGroup},
                   {"PreViewRPT", "预览报表", 6, QmToolbar::CheckGroup}, {"", "", -1, QmToolbar::Separator},
                   {"SaveRPT", "保存报表", 8, QmToolbar::Button},  {"Quit", "退出", 11, QmToolbar::Button}};
    for (const auto& b : buttons)
        toolbar->AddButton(QString::fromUtf8(b.key), QString::fromUtf8(b.caption), b.image, QString::fromUtf8(b.caption),
                           b.style);
    toolbar->setMinimumHeight(toolbar->ToolbarHeight());
    auto* ruler = new Ruler(Qt::Horizontal);
    ruler->setScale(11907, 11907, 100);
    ruler->setMinimumHeight(ruler->sizeHint().height());
    auto* status = new QmStatusBar;
    status->setMinimumHeight(status->sizeHint().height());
    status->setLeftCaption(QStringLiteral("就绪"));
    layout->addWidget(toolbar);
    layout->addWidget(ruler);
    layout->addStretch();
    layout->addWidget(status);
    window.setCentralWidget(central);
    QObject::connect(toolbar, &QmToolbar::ButtonClick, &window, [&](int, const QString& key) {
        if (key == QStringLiteral("Quit")) window.close();
        else status->setLeftCaption(key);
    });
    QTimer::singleShot(60000, &window, &QWidget::close);
    // A picture of the window for a person to look at (KY_PROBE_SCREENSHOT=FILE.png).
    if (const QString shot = qEnvironmentVariable("KY_PROBE_SCREENSHOT"); !shot.isEmpty())
        QTimer::singleShot(500, &window, [&window, shot] { window.grab().save(shot); });
    window.resize(900, 300);
    window.show();
    return app.exec();
}
