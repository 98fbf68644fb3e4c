#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Icons and pixmaps need an application object; one lives for the whole test run.
class GuiApp : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[11] = "tray_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const kGuiApp = ::testing::AddGlobalTestEnvironment(new GuiApp);

}  // namespace
