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

// A strip whose cell 0 is one flat colour, so the shown picture tells which strip it came from.
QImage StripOfColour(QRgb colour) {
    QImage strip(kTrayStripWidth, kTrayCellSize, QImage::Format_RGB32);
    strip.fill(colour);
    return strip;
}

TEST_F(TrayControllerTest, TheIconShowsThePicturesOfTheLatestSkin) {
    const QImage first = StripOfColour(qRgb(200, 10, 10));
    const QImage second = StripOfColour(qRgb(10, 10, 200));
    const auto shownColour = [this] {
        return testing::RecordingTrayIcon::CellOf(icon_.Picture()).pixel(5, 5);
    };

    tray_.SetPictures(first);
    tray_.ShowMeasure(2);
    EXPECT_EQ(shownColour(), qRgb(200, 10, 10));
    tray_.SetPictures(second);
    tray_.ShowMeasure(3);
    EXPECT_EQ(shownColour(), qRgb(10, 10, 200));
    tray_.SetPictures(QImage());  // a skin without a strip: the built-in pictures
    tray_.ShowMeasure(4);
    EXPECT_EQ(icon_.ShownNumber(), 0);
}

TEST_F(TrayControllerTest, ClicksOpenTheMenusAndADoubleClickGoesToTheWindow) {
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
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_FALSE(trayMenu_.isVisible());
}

}  // namespace
}  // namespace tarnwick
