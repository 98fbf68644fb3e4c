#include "monitor/window/layer_popups.h"

#include <QApplication>
#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QScreen>
#include <QWindow>

#include "platform/layer_shell.h"

namespace tarnwick {

namespace {

bool IsPopup(const QWindow& window) {
    return window.type() == Qt::Popup;
}

bool IsMenuOrTip(const QWindow& window) {
    return window.type() == Qt::Popup || window.type() == Qt::ToolTip;
}

}  // namespace

LayerPopups::LayerPopups()
    : catcher_(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint) {
    catcher_.setObjectName(QStringLiteral("layerCatcher"));
    catcher_.setAttribute(Qt::WA_TranslucentBackground);  // shows nothing of its own
    catcher_.setAttribute(Qt::WA_ShowWithoutActivating);
    catcher_.winId();  // makes its window, which the layer role needs before the first show
    platform::LayerRequest request;
    request.layer = platform::Layer::Top;  // below the menus, on the overlay layer
    request.followWindow = true;
    catcherSurface_ = platform::MakeLayerSurface(*catcher_.windowHandle(), request);
    qApp->installEventFilter(this);
}

LayerPopups::~LayerPopups() {
    qApp->removeEventFilter(this);
    catcherSurface_.reset();
    surfaces_.clear();
}

bool LayerPopups::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWindow*>(watched);
    if (window == nullptr || !IsMenuOrTip(*window)) {
        return false;
    }
    switch (event->type()) {
        case QEvent::PlatformSurface:
            if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceCreated) {
                Prepare(*window);
            }
            break;
        case QEvent::Show:
            if (IsPopup(*window)) {
                MenuShown(*window);
            }
            break;
        case QEvent::Hide:
            if (IsPopup(*window)) {
                MenuHidden(*window);
            }
            break;
        default:
            break;
    }
    return false;
}

// The window exists and has not shown yet: it takes no role of Qt's, and takes the layer role
// when it shows.
void LayerPopups::Prepare(QWindow& window) {
    if (surfaces_.count(&window) != 0) {
        return;
    }
    window.setFlag(Qt::BypassWindowManagerHint, true);
    platform::LayerRequest request;
    request.layer = platform::Layer::Overlay;
    request.followWindow = true;
    request.keyboard =
        IsPopup(window) ? platform::LayerKeyboard::Exclusive : platform::LayerKeyboard::None;
    auto surface = platform::MakeLayerSurface(window, request);
    if (surface == nullptr) {
        window.setFlag(Qt::BypassWindowManagerHint, false);  // shown as Qt would, at least
        return;
    }
    surfaces_.emplace(&window, std::move(surface));
    connect(&window, &QObject::destroyed, this, [this, &window] {
        openMenus_.erase(&window);
        surfaces_.erase(&window);
    });
}

void LayerPopups::MenuShown(QWindow& menu) {
    openMenus_.insert(&menu);
    if (catcherSurface_ == nullptr || catcher_.isVisible()) {
        return;
    }
    const QScreen* screen = menu.screen() != nullptr ? menu.screen() : qApp->primaryScreen();
    if (screen != nullptr) {
        catcher_.setGeometry(screen->geometry());
    }
    catcher_.show();
}

void LayerPopups::MenuHidden(QWindow& menu) {
    openMenus_.erase(&menu);
    if (openMenus_.empty()) {
        catcher_.hide();
    }
}

}  // namespace tarnwick
