// The window as a layer surface: where a position puts it among the outputs, and a drag on
// compositors that tell the pointer's positions either from where the window stands now or
// from where it stood at the press.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QRect>
#include <QWidget>

#include <vector>

#include "common/settings.h"
#include "monitor/window/placement.h"
#include "platform/layer_shell.h"

namespace tarnwick {
namespace {

TEST(PlaceOnOutputs, TheOutputHoldingThePositionGivesTheMargins) {
    const QRect outputs[] = {QRect(0, 0, 1920, 1080), QRect(1920, -200, 1280, 1024)};
    struct Case {
        QPoint position;
        int output, left, top;
    };
    const Case cases[] = {
        {{300, 200}, 0, 300, 200},
        {{1920, -200}, 1, 0, 0},    // the second output's corner
        {{2000, 100}, 1, 80, 300},  // above the first output's top, inside the second
        {{1919, 1079}, 0, 1919, 1079},
        {{-50, 500}, 0, -50, 500},    // off every output: the first, and off its edge
        {{2000, 900}, 0, 2000, 900},  // below the second, right of the first: off both
    };
    for (const Case& c : cases) {
        const platform::LayerPlace place = platform::PlaceOnOutputs(c.position, outputs, 2);
        EXPECT_EQ(place.output, c.output) << c.position.x() << "," << c.position.y();
        EXPECT_EQ(QPoint(place.left, place.top), QPoint(c.left, c.top))
            << c.position.x() << "," << c.position.y();
    }
    const platform::LayerPlace none = platform::PlaceOnOutputs({7, 8}, nullptr, 0);
    EXPECT_EQ(none.output, -1);
}

class FakeLayerSurface : public platform::LayerSurface {
public:
    void SetMargins(int, int) override {}
    void SetLayer(platform::Layer layer) override { layers.push_back(layer); }
    std::vector<platform::Layer> layers;
};

// A compositor that moves the surface wherever the client puts it and tells the pointer's
// positions by its rule.
class LayerDragTest : public ::testing::TestWithParam<PointerReference> {
protected:
    LayerDragTest() : placement_(window_, options_, false) {
        window_.resize(140, 71);
        window_.move(300, 200);
        placement_.UseLayerSurface(surface_, GetParam());
    }

    QPoint Local(QPoint pointer) const {
        return pointer - (GetParam() == PointerReference::Press ? pressCorner_ : window_.pos());
    }
    void Send(QEvent::Type type, QPoint pointer) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        // Qt makes the global position from where it believes the window stands.
        const QPoint local = Local(pointer);
        QMouseEvent event(type, QPointF(local), QPointF(window_.pos() + local), button, held,
                          Qt::NoModifier);
        if (type == QEvent::MouseButtonPress) {
            placement_.Press(&event);
        } else if (type == QEvent::MouseMove) {
            placement_.Drag(&event);
            placement_.SnapToEdges();  // as the window's move event does
        } else {
            placement_.EndDrag();
        }
    }
    void Press(QPoint pointer) {
        pressCorner_ = window_.pos();
        Send(QEvent::MouseButtonPress, pointer);
    }

    Settings options_;
    QWidget window_;
    FakeLayerSurface surface_;
    WindowPlacement placement_;
    QPoint pressCorner_;
};

TEST_P(LayerDragTest, ThePointFirstHeldStaysUnderThePointer) {
    options_.snap = false;
    const QPoint held(10, 5);
    Press(QPoint(300, 200) + held);
    for (int step = 1; step <= 20; ++step) {  // right and down, then back left
        const QPoint pointer = step <= 12 ? QPoint(310 + 25 * step, 205 + 15 * step)
                                          : QPoint(610 - 40 * (step - 12), 385);
        Send(QEvent::MouseMove, pointer);
        ASSERT_EQ(window_.pos(), pointer - held) << "step " << step;
    }
    Send(QEvent::MouseButtonRelease, QPoint(290, 385));
    Send(QEvent::MouseMove, QPoint(100, 100));  // no button: no drag
    EXPECT_EQ(window_.pos(), QPoint(280, 380));
}

TEST_P(LayerDragTest, TheWindowDocksOnTheWayAndLeavesTheEdgeWithThePointer) {
    options_.snap = true;
    options_.snapvalue = 8;
    Press({320, 220});  // 20, 20 into the window
    Send(QEvent::MouseMove, {25, 220});
    EXPECT_EQ(window_.pos(), QPoint(0, 200));  // 5 from the edge: docked
    Send(QEvent::MouseMove, {24, 220});
    EXPECT_EQ(window_.pos(), QPoint(0, 200));
    Send(QEvent::MouseMove, {120, 240});
    EXPECT_EQ(window_.pos(), QPoint(100, 220));
}

TEST_P(LayerDragTest, AFixedWindowStaysAndAlwaysOnTopChoosesTheLayer) {
    options_.bolt = true;
    Press({320, 220});
    Send(QEvent::MouseMove, {500, 500});
    Send(QEvent::MouseButtonRelease, {500, 500});
    EXPECT_EQ(window_.pos(), QPoint(300, 200));
    // Made on the top layer; a layer is changed only when it differs, since an older
    // compositor makes the surface anew for it.
    placement_.SetStaysOnTop(true);
    placement_.SetStaysOnTop(false);
    placement_.SetStaysOnTop(false);
    placement_.SetStaysOnTop(true);
    EXPECT_EQ(surface_.layers,
              (std::vector<platform::Layer>{platform::Layer::Bottom, platform::Layer::Top}));
}

INSTANTIATE_TEST_SUITE_P(BothRules, LayerDragTest,
                         ::testing::Values(PointerReference::Surface, PointerReference::Press));

}  // namespace
}  // namespace tarnwick
