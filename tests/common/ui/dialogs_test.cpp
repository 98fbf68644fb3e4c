#include "common/ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

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

TEST(QtDialogs, PictureDialogPreviewsWhatIsSelectedAndGivesTheChosenFile) {
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("digit.bmp"));
    QImage digit(8, 16, QImage::Format_RGB32);
    digit.fill(Qt::red);
    ASSERT_TRUE(digit.save(picture, "BMP"));
    const QString notes = folder.filePath(QStringLiteral("notes.bmp"));
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();

    QPixmap shown;
    QString told;
    QString toldForText;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* preview = dialog->findChild<QLabel*>(QStringLiteral("picturePreview"));
        auto* size = dialog->findChild<QLabel*>(QStringLiteral("pictureSize"));
        ASSERT_TRUE(preview && size);
        emit dialog->currentChanged(picture);
        shown = preview->pixmap();
        told = size->text();
        emit dialog->currentChanged(notes);
        toldForText = size->text();
        EXPECT_TRUE(preview->pixmap().isNull());
        dialog->selectFile(picture);
        static_cast<QDialog*>(dialog)->accept();  // as "Open" does
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.OpenPictureName(QStringLiteral("Open"), folder.path(),
                                      QStringLiteral("Bitmaps (*.bmp);;All files (*)")),
              picture);
    ASSERT_FALSE(shown.isNull());
    EXPECT_GT(shown.height(), 16);  // enlarged to fill its box
    EXPECT_EQ(shown.toImage().pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));
    EXPECT_EQ(told, QStringLiteral("8 x 16 pixels"));
    EXPECT_EQ(toldForText, QStringLiteral("No picture"));
}

}  // namespace
}  // namespace tarnwick
