// The window's tray controller: what the icon is told on every change of the shown measure,
// and where its mouse goes.
#include "monitor/window/tray_controller.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>
#include <QWidget>

#include "tests/support/recording_tray_icon.h"

namespace tarnwick {
namespace {

class TrayControllerTest : public ::testing::Test {
protected:
    testing::RecordingTrayIcon icon_;
    Settings options_;
    QWidget window_;
    QMenu trayMenu_;
    QMenu mainMenu_;
    TrayController tray_{icon_, options_, window_, trayMenu_, mainMenu_};
};

TEST_F(TrayControllerTest, ShowMeasureTellsTheIconOnlyWhatChanged) {
    struct Row {
        int from;
        int to;
        std::vector<std::string> calls;
        QString tip;
    };
    const Row rows[] = {
        {0, 0, {}, QString()},
        {0, 2, {"add"}, QStringLiteral("Operation memory usage")},
        {2, 2, {}, QStringLiteral("Operation memory usage")},
        {2, 3, {"modify"}, QStringLiteral("Swap file usage")},
        {3, 0, {"delete"}, QString()},
    };
    for (const Row& row : rows) {
        ASSERT_EQ(tray_.Shown(), row.from);
        icon_.ClearCalls();
        tray_.ShowMeasure(row.to);
        EXPECT_EQ(icon_.Calls(), row.calls) << row.from << " -> " << row.to;
        EXPECT_EQ(tray_.Shown(), row.to);
        EXPECT_EQ(icon_.Tip(), row.tip);
    }
}

// The pictures are cut from a skin's strip only when the icon needs one: always the latest's.
TEST_F(TrayControllerTest, TheIconShowsThePicturesOfTheLatestSkin) {
    int measure = 2;  // a new measure each time, so the icon takes a picture each time
    for (const QRgb colour : {qRgb(200, 10, 10), qRgb(10, 10, 200)}) {
        QImage strip(kTrayStripWidth, kTrayCellSize, QImage::Format_RGB32);
        strip.fill(colour);
        tray_.SetPictures(strip);
        tray_.ShowMeasure(measure++);
        EXPECT_EQ(testing::RecordingTrayIcon::CellOf(icon_.Picture()).pixel(5, 5), colour);
    }
    tray_.SetPictures(QImage());  // a skin without a strip: the built-in pictures
    tray_.ShowMeasure(4);
    EXPECT_EQ(icon_.ShownNumber(), 0);
}

TEST_F(TrayControllerTest, ClicksOpenTheMenusAndADoubleOrMiddleClickGoesToTheWindow) {
    QSignalSpy doubles(&tray_, &TrayController::DoubleClicked);
    emit icon_.LeftClicked();
    EXPECT_TRUE(trayMenu_.isVisible());
    EXPECT_FALSE(mainMenu_.isVisible());
    trayMenu_.hide();
    emit icon_.RightClicked();
    EXPECT_TRUE(mainMenu_.isVisible());
    EXPECT_FALSE(trayMenu_.isVisible());
    mainMenu_.hide();
    emit icon_.DoubleClicked();
    emit icon_.MiddleClicked();
    EXPECT_EQ(doubles.count(), 2);
    EXPECT_FALSE(trayMenu_.isVisible());
}

}  // namespace
}  // namespace tarnwick
