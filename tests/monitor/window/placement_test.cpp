// Docking, dragging, fixing and the keyboard: the snapping rules alone, then the window moved
// by the pointer the way it is on an X server without a window manager.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include "monitor/window/snap.h"
#include "window_fixture.h"

namespace tarnwick {
namespace {

TEST(SnapPosition, EdgesWithinTheDistanceStickBoundsIncluded) {
    const QRect screen(0, 0, 1024, 768);
    const QSize size(140, 71);
    const auto left = [&](int x) { return SnapPosition({x, 300}, size, 8, screen, screen).x(); };
    EXPECT_EQ(left(5), 0);
    EXPECT_EQ(left(8), 0);
    EXPECT_EQ(left(9), 9);
    EXPECT_EQ(left(-8), 0);
    EXPECT_EQ(left(-9), -9);
    EXPECT_EQ(left(1024 - 140 + 8), 1024 - 140);
}

TEST(SnapPosition, ABottomTaskbarGivesTwoEdgesToStickTo) {
    const QRect screen(0, 0, 1024, 768);
    const QRect workArea(0, 0, 1024, 738);
    EXPECT_EQ(SnapPosition({300, 660}, {140, 71}, 8, workArea, screen), QPoint(300, 667));
    EXPECT_EQ(SnapPosition({300, 690}, {140, 71}, 8, workArea, screen), QPoint(300, 697));
    EXPECT_EQ(SnapPosition({300, 680}, {140, 71}, 8, workArea, screen), QPoint(300, 680));
}

TEST(SnapPosition, ALeftTaskbarMovesTheWorkAreaButNotTheScreenEdges) {
    const QRect screen(0, 0, 1024, 768);
    const QRect workArea(60, 0, 964, 768);
    EXPECT_EQ(SnapPosition({1018 - 140, 300}, {140, 71}, 8, workArea, screen).x(), 1024 - 140);
    EXPECT_EQ(SnapPosition({964 - 140, 300}, {140, 71}, 8, workArea, screen).x(), 964 - 140);
    EXPECT_EQ(SnapPosition({55, 300}, {140, 71}, 8, workArea, screen).x(), 60);
    // The work area's edge comes first, the screen's after it: 5 is near both 0 and 4.
    EXPECT_EQ(SnapPosition({5, 300}, {140, 71}, 8, QRect(4, 0, 1020, 768), screen).x(), 0);
}

// Each case: where the window stood, where it comes to rest. The window is 140 x 71 on a
// 1024 x 768 screen unless the case says otherwise.
TEST(OnScreenPosition, OnlyAWindowWhollyOffASideComesBackToThatEdge) {
    struct Case {
        QPoint position;
        QPoint expected;
        QSize size = {140, 71};
        QSize screen = {1024, 768};
    };
    const Case cases[] = {
        {{-140, 300}, {0, 300}},     // left edge: the last column gone
        {{-139, 300}, {-139, 300}},  // one column still shows
        {{1024, 300}, {884, 300}},   // right edge
        {{1023, 300}, {1023, 300}},
        {{300, -71}, {300, 0}},                          // top edge
        {{300, 768}, {300, 697}},                        // bottom edge
        {{-5000, 5000}, {0, 697}},                       // off two sides at once
        {{300, 200}, {300, 200}},                        // on the screen: stays
        {{200, 10}, {-100, 10}, {300, 71}, {200, 768}},  // wider than the screen: right edges meet
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OnScreenPosition(c.position, c.size, c.screen), c.expected)
            << c.position.x() << "," << c.position.y();
    }
}

class MonitorWindowPlacementTest : public MonitorWindowTest {
protected:
    void Mouse(QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(global - window_->pos()), QPointF(global), button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &event);
    }
    void Press(QPoint at) { Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton); }
    void DragTo(QPoint at) { Mouse(QEvent::MouseMove, at, Qt::LeftButton); }
    void Release(QPoint at) { Mouse(QEvent::MouseButtonRelease, at, Qt::NoButton); }
};

TEST_F(MonitorWindowPlacementTest, WithoutAWindowManagerTheWindowFollowsThePointerAndDocks) {
    TfrMain& window = Start();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    Press({110, 110});
    DragTo({150, 130});
    EXPECT_EQ(window.pos(), QPoint(140, 120));
    DragTo({15, 130});  // left edge at 5
    EXPECT_EQ(window.pos(), QPoint(0, 120));
    DragTo({19, 130});  // beyond the distance: free again
    EXPECT_EQ(window.pos(), QPoint(9, 120));
    DragTo({50, screen.height() - window.height() + 5 + 10});  // bottom 5 below the screen's
    EXPECT_EQ(window.pos(), QPoint(40, screen.height() - window.height()));
    Release({50, 400});
    DragTo({300, 300});
    EXPECT_EQ(window.pos().x(), 40);
    // Docking off: the window stays where the program or the pointer puts it.
    Click("pmDock");
    EXPECT_EQ(Stored("main", "snap"), "0");
    window.move(3, 200);
    EXPECT_EQ(window.pos(), QPoint(3, 200));
    Click("pmDock");
    window.move(4, 200);
    EXPECT_EQ(window.pos(), QPoint(0, 200));
}

TEST_F(MonitorWindowPlacementTest, AFixedWindowStaysAndShowsTheNoDropCursorWhileHeld) {
    TfrMain& window = Start();
    Click("pmBolt");
    EXPECT_EQ(Stored("main", "bolt"), "1");
    Press({110, 110});
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    DragTo({300, 300});
    EXPECT_EQ(window.pos(), QPoint(100, 100));
    Release({300, 300});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MonitorWindowPlacementTest, ShortcutsActWhileTheWindowHasTheFocus) {
    TfrMain& window = Start();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F4);
    EXPECT_FALSE(Item("pmDock")->isChecked());
    QTest::keyClick(&window, Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(Stored("main", "mode"), "1");
    QTest::keyClick(&window, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_TRUE(Item("pmStop3")->isChecked());
    QTest::keyClick(&window, Qt::Key_F12);
    EXPECT_FALSE(window.isVisible());
}

// A window that starts wholly off the screen comes back to the nearest edge; one that still
// shows a pixel stays where it is. The built-in window is 50 x 39.
TEST_F(MonitorWindowPlacementTest, AWindowOffTheScreenComesBackOnEachSide) {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const int right = screen.width() - 50;
    const int bottom = screen.height() - 39;
    struct Case {
        int x, y;
        QPoint expected;
    };
    const Case cases[] = {
        {-50, 100, {0, 100}},
        {-49, 100, {-49, 100}},
        {-500, 100, {0, 100}},
        {screen.width(), 100, {right, 100}},
        {screen.width() - 1, 100, {screen.width() - 1, 100}},
        {5000, 100, {right, 100}},
        {100, -39, {100, 0}},
        {100, -38, {100, -38}},
        {100, -500, {100, 0}},
        {100, screen.height(), {100, bottom}},
        {100, screen.height() - 1, {100, screen.height() - 1}},
        {5000, 5000, {right, bottom}},
    };
    for (const Case& c : cases) {
        WriteSettings("[main]\nsnap=0\nx=" + std::to_string(c.x) + "\ny=" + std::to_string(c.y) +
                      "\n");
        EXPECT_EQ(Start().pos(), c.expected) << c.x << "," << c.y;
        window_.reset();
    }
}

}  // namespace
}  // namespace tarnwick
