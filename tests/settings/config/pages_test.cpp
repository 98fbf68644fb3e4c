// The controls of the pages as a user works them: the tray-icon boxes, the measure menu, the
// number fields, the help key and the links.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "common/ui/link_label.h"
#include "tests/settings/config/cfg_fixture.h"
#include "tests/support/accessible_names.h"

namespace tarnwick::cfg {
namespace {

TEST_F(CfgTest, AtMostOneTrayIconBoxStaysTickedAndTheFirstTickedIsSaved) {
    Open();
    Click("cbIcon1");
    Click("cbIcon3");
    EXPECT_FALSE(Find<QCheckBox>("cbIcon1")->isChecked());
    Click("btApply");
    EXPECT_EQ(Stored("main", "icons"), "3");
    Click("cbIcon3");  // clearing the ticked box leaves none
    Click("btApply");
    EXPECT_EQ(Stored("main", "icons"), "0");
}

TEST_F(CfgTest, MeasureMenuGivesItsChoiceToTheButtonThatOpenedIt) {
    Open();
    auto* menu = Find<QMenu>("pmInd");
    Click("btInd2");
    Find<QAction>("miInd12")->trigger();
    menu->hide();
    Click("btInd3");
    EXPECT_TRUE(Find<QAction>("miInd11")->isChecked());  // the diagram's measure is ticked
    menu->hide();                                        // closed without a choice
    EXPECT_EQ(Find<QPushButton>("btInd2")->text(), "Swap file | Freely, MB");
    Click("btApply");
    EXPECT_EQ(Stored("indicator2", "type"), "12");
    EXPECT_EQ(Stored("indicator3", "type"), "11");
    EXPECT_EQ(Stored("indicator1", "type"), "1");
}

TEST_F(CfgTest, NumberFieldsMoveOnlyByTheirArrows) {
    WriteSettings("[indicator1]\ntime=29950\n");
    TfrMain& window = Open();
    window.show();
    auto* time = Find<QSpinBox>("udTime1");
    auto* field = Find<QLineEdit>("edTime1");
    time->setFocus();
    QTest::keyClicks(field, "7");  // typing does nothing
    EXPECT_EQ(time->value(), 29950);
    QTest::keyClick(time, Qt::Key_Up);
    QTest::keyClick(time, Qt::Key_Up);  // and stops at the top of the range
    EXPECT_EQ(time->value(), 30000);
    EXPECT_EQ(field->text(), QLocale().toString(30000));
    Click("btApply");
    EXPECT_EQ(Stored("indicator1", "time"), "30000");
}

TEST_F(CfgTest, HelpAndF1OpenTheCurrentPagesHelp) {
    WriteFile("program/manual/tarnwick/config5.html", "<html></html>");
    WriteFile("program/manual/tarnwick/config2.html", "<html></html>");
    TfrMain& window = Open();
    window.show();
    Click("sbItem5");
    QTest::keyClick(Find<QWidget>("lbSkins"), Qt::Key_F1, Qt::ControlModifier);
    Click("sbItem2");
    Click("btHelp");
    ASSERT_EQ(dialogs_.started.size(), 2);
    EXPECT_TRUE(dialogs_.started[0].endsWith("/program/manual/tarnwick/config5.html"))
        << dialogs_.started[0].toStdString();
    EXPECT_TRUE(dialogs_.started[1].endsWith("/program/manual/tarnwick/config2.html"));
}

// A link opens by a click, and by Space or Enter once Tab has brought the focus to it.
TEST_F(CfgTest, LinksOpenTheirPagesByMouseAndKeyboard) {
    TfrMain& window = Open();
    window.show();
    QApplication::setActiveWindow(&window);
    auto* link = Find<LinkLabel>("lbLoad");
    Click("sbItem5");
    QTest::mouseClick(link, Qt::LeftButton);
    Find<QWidget>("btCancel")->setFocus();
    for (int tab = 0; tab < 20 && !link->hasFocus(); ++tab) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    }
    ASSERT_TRUE(link->hasFocus());
    QTest::keyClick(link, Qt::Key_Space);
    QTest::keyClick(link, Qt::Key_Return);
    ASSERT_EQ(dialogs_.started.size(), 3);
    for (const QString& opened : dialogs_.started) {
        EXPECT_TRUE(opened.endsWith("/tarnwick/skins.php"));
    }
    EXPECT_TRUE(window.isVisible());  // Enter on a link is not "Ok"
}

TEST_F(CfgTest, EveryControlHasANameOfItsOwn) {
    EXPECT_EQ(testing::NamingFaults(Open()), std::vector<std::string>{});
}

}  // namespace
}  // namespace tarnwick::cfg
