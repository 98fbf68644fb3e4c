// The window as a skin makes it look: its shape under a see-through colour and the skin a
// click on the "&Skins" menu shows.
#include "window_fixture.h"

namespace tarnwick {
namespace {

// Two gauges side by side on a 60 x 30 window; the window keys come from the caller.
std::string Skin(const std::string& name, const std::string& window) {
    return "[skin]\nname=" + name + "\n[window]\nwidth=60\nheight=30\n" + window +
           "[indicator1]\nx1=2\ny1=2\nx2=27\ny2=27\nground=clNavy\nprogress=clRed\n"
           "[indicator2]\nx1=32\ny1=2\nx2=57\ny2=27\nground=clNavy\nprogress=clBlue\n"
           "[indicator3]\nx1=2\ny1=2\nx2=57\ny2=27\n";
}

class WindowLookTest : public MonitorWindowTest {
protected:
    void UseSkin(const std::string& file) {
        // Both gauges show the operative memory's usage, which the test can move.
        WriteSettings("[skins]\nactive=" + Path("program/skins/" + file) +
                      "\n[indicator1]\ntype=5\n[indicator2]\ntype=5\n");
    }
    // The shape is the painted canvas less the pixels of the see-through colour.
    static void ExpectShapeWithout(const TfrMain& window, QRgb seeThrough) {
        const QImage& canvas = window.Canvas();
        const QRegion shape = window.mask();
        ASSERT_FALSE(shape.isEmpty());
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                const bool stays = (canvas.pixel(x, y) & 0xFFFFFF) != (seeThrough & 0xFFFFFF);
                ASSERT_EQ(shape.contains(QPoint(x, y)), stays) << x << "," << y;
            }
        }
    }
};

TEST_F(WindowLookTest, SeeThroughColourShapesThePaintedWindowUntilAnOpaqueSkinComes) {
    WriteFile("program/skins/a.skin",
              Skin("Lime", "background=clLime\ntransparent=1\ntransparentcolor=clLime\n"));
    WriteFile("program/skins/b.skin", Skin("Opaque", "background=clLime\ntransparent=0\n"));
    UseSkin("a.skin");
    TfrMain& window = Start();
    ExpectShapeWithout(window, qRgb(0, 255, 0));
    EXPECT_TRUE(window.mask().contains(QRect(2, 2, 26, 26)));  // both gauges in full
    EXPECT_FALSE(window.mask().contains(QPoint(30, 15)));      // the lime between them

    memory_.status.availPhys = 10 * kMB;  // another reading: the gauges paint anew
    Tick(window.timer(WindowTimer::Timer1));
    Tick(window.timer(WindowTimer::Timer2));
    ExpectShapeWithout(window, qRgb(0, 255, 0));

    Click("pmSkin1");
    EXPECT_TRUE(window.mask().isEmpty());
    EXPECT_EQ(window.Canvas().pixel(30, 15), qRgb(0, 255, 0));
}

TEST_F(WindowLookTest, SeeThroughWithoutAColourMakesBlackSeeThrough) {
    WriteFile("program/skins/a.skin", Skin("Black", "background=clBlack\ntransparent=1\n"));
    UseSkin("a.skin");
    TfrMain& window = Start();
    ExpectShapeWithout(window, qRgb(0, 0, 0));
    EXPECT_FALSE(window.mask().contains(QPoint(0, 0)));
}

TEST_F(WindowLookTest, TheClickedSkinShowsEvenWithTheRandomSkinOn) {
    const char* files[] = {"a.skin", "b.skin", "c.skin", "d.skin"};
    for (int i = 0; i < 4; ++i) {
        WriteFile(std::string("program/skins/") + files[i],
                  "[skin]\nname=" + std::to_string(i) +
                      "\n[window]\nwidth=" + std::to_string(61 + i) + "\nheight=30\n");
    }
    WriteSettings("[skins]\nrandom=1\n");
    TfrMain& window = Start();
    for (int i : {2, 0, 3, 1}) {
        Click(("pmSkin" + std::to_string(i)).c_str());
        EXPECT_EQ(window.width(), 61 + i);
        EXPECT_TRUE(Item(("pmSkin" + std::to_string(i)).c_str())->isChecked());
        EXPECT_EQ(Stored("skins", "active"), Path(std::string("program/skins/") + files[i]));
    }
    EXPECT_TRUE(Item("pmRandomSkin")->isChecked());  // the next start picks again
    EXPECT_EQ(Stored("skins", "random"), "1");
}

}  // namespace
}  // namespace tarnwick
