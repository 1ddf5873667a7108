// The dialogs driven offscreen as a user would: buttons found by their
// captions and clicked when their dialog is up.
#include "unsetup/ui/confirm_dialog.h"
#include "unsetup/ui/dialog_texts.h"
#include "unsetup/ui/progress_dialog.h"
#include "unsetup/ui/removal_windows.h"
#include "unsetup/ui/shared_file_dialog.h"
#include "unsetup/system_actions.h"

#include "installation_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>

namespace ky::unsetup {
namespace {

using namespace testing_support;

QPushButton* buttonOf(QWidget* dialog, const QString& caption) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

// Clicks the buttons one after another, each as soon as the modal dialog
// showing it has it enabled.
class Clicker {
public:
    explicit Clicker(std::deque<QString> captions) : captions_(std::move(captions)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { clickNext(); });
        timer_.start(10);
    }
    bool done() const { return captions_.empty(); }

private:
    void clickNext() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (captions_.empty() || !dialog) return;
        QPushButton* button = buttonOf(dialog, captions_.front());
        if (!button || !button->isEnabled()) return;
        captions_.pop_front();
        button->click();
    }

    std::deque<QString> captions_;
    QTimer timer_;
};

TEST(ConfirmDialog, YesConfirmsAndNoDeclines) {
    for (const auto& [caption, result] : {std::pair{caption::yes, QDialog::Accepted}, std::pair{caption::no, QDialog::Rejected}}) {
        ConfirmDialog dialog(str("确认删除"), str("确实要删除 化验报告 吗？"));
        const Clicker clicker({caption});
        EXPECT_EQ(dialog.exec(), result);
        EXPECT_EQ(dialog.windowTitle(), str("确认删除"));
    }
    EXPECT_EQ(ConfirmDialog(QString(), QString()).windowTitle(), str("Confirm File Deletion"));
}

struct AnswerCase {
    const QString* caption;
    SharedFileAnswer answer;
};

class SharedFileDialogAnswers : public testing::TestWithParam<AnswerCase> {};

TEST_P(SharedFileDialogAnswers, EachButtonGivesItsAnswer) {
    const Clicker clicker({*GetParam().caption});
    EXPECT_EQ(SharedFileDialog::ask(str("/usr/lib/ky/shared.so"), nullptr), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(Buttons, SharedFileDialogAnswers,
    testing::Values(AnswerCase{&caption::yes, SharedFileAnswer::Yes},
                    AnswerCase{&caption::yesToAll, SharedFileAnswer::YesToAll},
                    AnswerCase{&caption::no, SharedFileAnswer::No},
                    AnswerCase{&caption::noToAll, SharedFileAnswer::NoToAll}));

TEST(ProgressDialog, KeepsItsButtonsDisabledUntilTheRemovalHasFinished) {
    ProgressDialog dialog(QString(), QString(), str("化验报告"), {str("细节"), str("未删除的项目")});
    EXPECT_EQ(dialog.windowTitle(), caption::progressTitle);
    EXPECT_TRUE(dialog.findChild<QLabel*>()->text().contains(str("软件 化验报告 ，")));
    QPushButton* details = buttonOf(&dialog, caption::details);
    QPushButton* ok = buttonOf(&dialog, caption::ok);
    ASSERT_TRUE(details && ok);
    EXPECT_FALSE(details->isEnabled());
    EXPECT_FALSE(ok->isEnabled());

    dialog.showFinished(str("部分项目未能删除"), {str("无法删除文件 \"/opt/lab/x\"")});
    EXPECT_TRUE(details->isEnabled());
    EXPECT_TRUE(ok->isEnabled());
    dialog.showFinished(str("全部删除"), {});
    EXPECT_FALSE(details->isEnabled());
}

// The whole windowed removal: confirmation, a shared-file question asked from
// the removal's thread, the final "确定".
TEST(RemovalWindows, AsksFromTheRemovalThreadAndFinishes) {
    Installation home;
    for (const char* file : {"system/a.so", "system/b.so"}) home.setSharedCounter(home.addFile(file), 1);
    home.addFile("app/client");
    home.writeLog("[COMMON]\n1204=全部删除\n[SHAREDFILES]\n@/system/a.so\n@/system/b.so\n[APPFILES]\n@/app/client\n");
    const SetupLog log = SetupLog::load(home.folder() + QStringLiteral("Setup.log")).value();
    SystemActions actions(home.registry(), str(KY_UNSETUP_PROGRAM), home.folder());

    const Clicker clicker({caption::yes, caption::yesToAll, caption::ok});
    EXPECT_EQ(runRemovalWindows(log, actions, Options{}), 0);
    EXPECT_TRUE(clicker.done());
    EXPECT_FALSE(home.exists("system/a.so"));
    EXPECT_FALSE(home.exists("system/b.so"));
    EXPECT_FALSE(home.exists("app/client"));
}

}  // namespace
}  // namespace ky::unsetup

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
