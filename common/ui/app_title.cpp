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

}  // namespace tarnwick
