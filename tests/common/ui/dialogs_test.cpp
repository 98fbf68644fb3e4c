#include "common/ui/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

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

// The visible event box whose text is text; nullptr when there is none.
QMessageBox* EventBox(const QString& text) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget);
            box && box->isVisible() && box->text() == text) {
            return box;
        }
    }
    return nullptr;
}

TEST(QtDialogs, EventBoxesCascadeFromTheLastOpenOneBesideTheMonitorWindow) {
    QWidget monitor(nullptr, Qt::FramelessWindowHint | Qt::Tool);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    monitor.setGeometry(QRect(screen.center() - QPoint(70, 35), QSize(140, 71)));
    monitor.show();
    QtDialogs messages(&monitor);
    for (const char* text : {"one", "two", "three"}) {
        messages.ShowEventBox(QString::fromLatin1(text), {});
    }
    QMessageBox* one = EventBox(QStringLiteral("one"));
    QMessageBox* two = EventBox(QStringLiteral("two"));
    QMessageBox* three = EventBox(QStringLiteral("three"));
    ASSERT_TRUE(one && two && three);
    for (QMessageBox* box : {one, two, three}) {
        EXPECT_FALSE(box->frameGeometry().intersects(monitor.frameGeometry()))
            << box->text().toStdString();
        EXPECT_TRUE(screen.contains(box->frameGeometry())) << box->text().toStdString();
    }
    EXPECT_NE(two->pos(), three->pos());

    // The next box follows the last one still open: it takes the closed third one's place.
    const QPoint third = three->pos();
    three->button(QMessageBox::Ok)->click();
    messages.ShowEventBox(QStringLiteral("four"), {});
    QMessageBox* four = EventBox(QStringLiteral("four"));
    ASSERT_NE(four, nullptr);
    EXPECT_EQ(four->pos(), third);
    for (QMessageBox* box : {one, two, four}) {
        box->button(QMessageBox::Ok)->click();
    }
}

}  // namespace
}  // namespace tarnwick
