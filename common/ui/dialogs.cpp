#include "common/ui/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <utility>

#include "common/ui/box_place.h"
#include "common/ui/picture_dialog.h"

namespace tarnwick {

QString EventBoxCaption() {
    //: The caption of an event's message box: "Event".
    return QCoreApplication::translate("Dialogs", "Событие");
}

QWidget* QtDialogs::Owner() const {
    return owner_ != nullptr && owner_->isVisible() ? owner_.data() : nullptr;
}

void QtDialogs::ShowError(const QString& text) {
    QMessageBox::critical(Owner(), QApplication::applicationDisplayName(), text + QLatin1Char('.'));
}

void QtDialogs::ShowMessage(const QString& caption, const QString& text) {
    QMessageBox::information(Owner(), caption, text);
}

void QtDialogs::ShowEventBox(const QString& text, std::function<void()> closed) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, EventBoxCaption(), shown, QMessageBox::Ok, owner_);
    box->setObjectName(QStringLiteral("EventMessage"));
    box->setTextFormat(Qt::PlainText);  // a user's line is text, never markup
    box->setWindowModality(Qt::ApplicationModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)] {
        if (closed) {
            closed();
        }
    });
    PlaceEventBox(*box);
    box->show();
    eventBoxes_.emplace_back(box);
}

// Boxes of an event that fires again and again lie in a cascade beside the monitor's window,
// so each one can be seen and none hides the readings.
void QtDialogs::PlaceEventBox(QMessageBox& box) {
    eventBoxes_.erase(std::remove_if(eventBoxes_.begin(), eventBoxes_.end(),
                                     [](const QPointer<QMessageBox>& open) {
                                         // closed: hidden at once, deleted later
                                         return open.isNull() || !open->isVisible();
                                     }),
                      eventBoxes_.end());
    const auto boxRect = [](const QRect& rect) {
        return BoxRect{rect.x(), rect.y(), rect.width(), rect.height()};
    };
    const QWidget* owner = Owner();
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    std::optional<BoxRect> lastOpen;
    if (!eventBoxes_.empty()) {
        lastOpen = boxRect(eventBoxes_.back()->frameGeometry());
    }
    std::optional<BoxRect> monitorWindow;
    if (owner != nullptr) {
        monitorWindow = boxRect(owner->frameGeometry());
    }
    const QSize size = box.sizeHint();
    const BoxPoint at = tarnwick::PlaceEventBox(
        size.width(), size.height(), boxRect(screen->availableGeometry()), lastOpen, monitorWindow);
    box.move(at.x, at.y);  // a moved dialog is not centred on its owner again
}

void QtDialogs::ShowExitError(const QString& caption) {
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, caption,
                        QCoreApplication::translate("Dialogs", "Exit Error"), QMessageBox::Ok);
    box->setObjectName(QStringLiteral("ExitError"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

bool QtDialogs::StartProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool QtDialogs::OpenUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

bool QtDialogs::OpenDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDialogs::OpenFolder(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString QtDialogs::ChooseFolder(const QString& title) {
    return QFileDialog::getExistingDirectory(Owner(), title, QString(), QFileDialog::ShowDirsOnly);
}

std::optional<QColor> QtDialogs::ChooseColor(const QColor& initial, const QString& title) {
    const QColor chosen = QColorDialog::getColor(initial, Owner(), title);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

std::optional<QFont> QtDialogs::ChooseFont(const QFont& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, Owner());
    if (!ok) {
        return std::nullopt;
    }
    return chosen;
}

QString QtDialogs::OpenFileName(const QString& title, const QString& folder,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(Owner(), title, folder, filter);
}

QString QtDialogs::OpenPictureName(const QString& title, const QString& folder,
                                   const QString& filter) {
    return OpenPictureWithPreview(Owner(), title, folder, filter);
}

QString QtDialogs::SaveFileName(const QString& title, const QString& folder,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(Owner(), title, folder, filter);
}

}  // namespace tarnwick
