#include "common/ui/open_link.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <string>

#include "common/links.h"
#include "tests/support/scripted_dialogs.h"

namespace tarnwick {
namespace {

using testing::ScriptedDialogs;

// The tests run from the build's bin/, where the manual lies beside the programs.
TEST(OpenSiteLink, OpensThePageOfThePath) {
    ScriptedDialogs dialogs;
    EXPECT_TRUE(OpenSiteLink(dialogs, SettingsHelpPath(3)));
    ASSERT_EQ(dialogs.started.size(), 1);
    if (kWebSite[0] == '\0') {
        EXPECT_TRUE(dialogs.started[0].startsWith(QStringLiteral("file:///")));
        EXPECT_TRUE(dialogs.started[0].endsWith(QStringLiteral("/manual/tarnwick/config3.html")));
    } else {
        EXPECT_EQ(dialogs.started[0],
                  QString::fromLatin1(kWebSite) + QStringLiteral("/tarnwick/config3.php"));
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(OpenSiteLink, ALinkTheDesktopCannotOpenIsToldInABox) {
    ScriptedDialogs dialogs;
    dialogs.opensSucceed = false;
    EXPECT_FALSE(OpenLink(dialogs, QString::fromLatin1(kSupportMail)));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0], QGuiApplication::applicationDisplayName() + QLatin1Char('|') +
                                       CannotOpenText(QString::fromLatin1(kSupportMail)));

    EXPECT_FALSE(OpenSiteLink(dialogs, kManualPath));
    EXPECT_EQ(dialogs.messages.size(), 2);
}

}  // namespace
}  // namespace tarnwick
