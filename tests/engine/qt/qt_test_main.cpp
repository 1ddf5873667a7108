// The GUI application the Qt tests draw in: offscreen unless the
// environment names a platform, with the project's fonts.

#include "report/engine/qt/project_fonts.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiApplication final : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        ky::useProjectFonts();
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[8] = "qt_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

// Registered before main runs; GoogleTest owns and deletes it.
[[maybe_unused]] testing::Environment* const kGuiApplication = testing::AddGlobalTestEnvironment(new GuiApplication);

}  // namespace
