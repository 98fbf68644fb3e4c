#include "common/ui/app_title.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace tarnwick {

QString TakeApplicationTitle(QWidget& window) {
    const QString before = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName(window.windowTitle());
    if (QWindow* handle = window.windowHandle()) {
        handle->setTitle(window.windowTitle());
    }
    return before;
}

void BorrowedApplicationTitle::Take(QWidget& window) {
    // A second showing without a close in between keeps the title found the first time.
    if (const QString before = TakeApplicationTitle(window); before != window.windowTitle()) {
        before_ = before;
    }
}

void BorrowedApplicationTitle::GiveBack() const {
    QGuiApplication::setApplicationDisplayName(before_);
}

}  // namespace tarnwick
