#include "common/ui/pressable_label.h"

#include <QGroupBox>

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

QString SpokenName(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
}

// Links side by side in a group box are told apart by their own texts, not by the group's
// title; a panel without text takes its label's.
TEST(PressableLabel, IsNamedByItsOwnTextOrElseByItsLabel) {
    QGroupBox group(QStringLiteral("Links"));
    PressableLabel site(QAccessible::Link, &group);
    site.setText(QStringLiteral("Program website"));
    PressableLabel mail(QAccessible::Link, &group);
    mail.setText(QStringLiteral("Technical support"));
    PressableLabel colour(QAccessible::Button, &group);
    QLabel caption(QStringLiteral("Background:"), &group);
    caption.setBuddy(&colour);

    EXPECT_EQ(SpokenName(site), QStringLiteral("Program website"));
    EXPECT_EQ(SpokenName(mail), QStringLiteral("Technical support"));
    EXPECT_EQ(SpokenName(colour), QStringLiteral("Background:"));
    colour.setAccessibleName(QStringLiteral("Ground"));
    EXPECT_EQ(SpokenName(colour), QStringLiteral("Ground"));
}

}  // namespace
}  // namespace tarnwick
