#include "common/ui/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(QtDialogs, EventBoxIsModalButDoesNotWait) {
    QtDialogs messages;
    int closed = 0;
    messages.ShowEventBox(QStringLiteral("Line one\r\n<b>two</b>\r\n"), [&] { ++closed; });
    messages.ShowEventBox(QStringLiteral("Another"), [&] { ++closed; });

    // Both are open at once: the first did not hold up the second.
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
            boxes.push_back(box);
        }
    }
    ASSERT_EQ(boxes.size(), 2);
    for (QMessageBox* box : boxes) {
        EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Событие"));
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        box->button(QMessageBox::Ok)->click();
    }
    EXPECT_EQ(closed, 2);
}

}  // namespace
}  // namespace tarnwick
