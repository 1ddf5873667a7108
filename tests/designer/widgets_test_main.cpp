// The widgets application the window's tests run in: offscreen unless the
// environment names a platform.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class WidgetsApplication final : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "widgets_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// Registered before main runs; GoogleTest owns and deletes it.
[[maybe_unused]] testing::Environment* const kWidgetsApplication =
    testing::AddGlobalTestEnvironment(new WidgetsApplication);

}  // namespace
