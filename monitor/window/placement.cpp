#include "monitor/window/placement.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "common/settings.h"
#include "platform/layer_shell.h"
#include "platform/window_hints.h"

namespace tarnwick {

WindowPlacement::WindowPlacement(QWidget& window, const Settings& options, bool positionKnown)
    : window_(window), options_(options), positionKnown_(positionKnown) {}

void WindowPlacement::UseLayerSurface(platform::LayerSurface& surface, PointerReference reference) {
    layer_ = &surface;
    reference_ = reference;
    positionKnown_ = true;
}

// A left press drags the window, or, on a fixed window, shows the no-drop cursor until the
// button comes up. The right button belongs to the popup menu (contextMenuEvent).
void WindowPlacement::Press(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (options_.bolt && positionKnown_) {  // a compositor moves windows as it likes
        if (!forbiddenCursor_) {
            QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
            forbiddenCursor_ = true;
        }
        return;
    }
    if (layer_ != nullptr) {  // no compositor moves a layer surface: we follow the pointer
        dragging_ = true;
        pressCorner_ = window_.pos();
        pressLocal_ = event->position().toPoint();
        return;
    }
    // The window manager's own move loop where it has one: it knows about panels, other
    // screens and the keyboard. A bare X server or a compositor without one says no, and
    // then we follow the pointer ourselves.
    if (window_.windowHandle() != nullptr && window_.windowHandle()->startSystemMove()) {
        return;
    }
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - window_.pos();
}

void WindowPlacement::Drag(QMouseEvent* event) {
    if (!dragging_ || !event->buttons().testFlag(Qt::LeftButton)) {
        return;
    }
    if (layer_ != nullptr) {
        window_.move(DraggedCorner(reference_, pressCorner_, window_.pos(), pressLocal_,
                                   event->position().toPoint()));
        return;
    }
    window_.move(event->globalPosition().toPoint() - dragOffset_);  // moveEvent snaps
}

void WindowPlacement::EndDrag() {
    dragging_ = false;
    if (forbiddenCursor_) {
        forbiddenCursor_ = false;
        QGuiApplication::restoreOverrideCursor();
    }
}

// Every move, ours, the window manager's or the program's own, ends docked when docking is
// on. The system's move loop reports moves continuously, so the window sticks to an edge for
// as long as it is dragged within the snap distance of it.
void WindowPlacement::SnapToEdges() {
    if (snapping_ || !options_.snap || !positionKnown_) {
        return;
    }
    // The work area and the screen are read afresh each time: panels come and go, and the
    // screen may be resized while we run.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QPoint snapped = SnapPosition(window_.pos(), window_.size(), options_.snapvalue,
                                        screen->availableGeometry(), screen->geometry());
    if (snapped != window_.pos()) {
        MoveUnsnapped(snapped);  // the snapped position is final
    }
}

// A window that lies off the screen after a change of screens comes back where it can be
// reached; one that is partly visible stays.
void WindowPlacement::KeepOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    window_.move(OnScreenPosition(window_.pos(), window_.size(), screen->geometry().size()));
}

// Qt keeps the position from the last configure it was told of. A reparenting window manager
// (openbox) may tell it while its frame is not yet placed, so Qt holds 0,0 for a window that
// stands at its place: the close batch would save that, and the next resize (a new skin)
// would move the window there. So before the position counts, it is asked afresh, and a
// stale one is mended; the window does not move.
void WindowPlacement::SyncPosition() {
    QPoint real;
    if (window_.windowHandle() == nullptr ||
        !platform::ReadWindowPosition(*window_.windowHandle(), real) || real == window_.pos()) {
        return;
    }
    MoveUnsnapped(real);  // where the window stands is no move of the user's to dock
}

void WindowPlacement::MoveUnsnapped(QPoint position) {
    snapping_ = true;
    window_.move(position);
    snapping_ = false;
}

// Puts the window into the band above ordinary windows or takes it out, without moving it,
// resizing it or hiding it. QWidget::setWindowFlags would hide the window and make its native
// window anew; the flag is instead handed to the live native window, which tells the window
// manager (on X11 the _NET_WM_STATE_ABOVE state).
void WindowPlacement::SetStaysOnTop(bool on) {
    if (layer_ != nullptr) {
        if (onTopLayer_ != on) {
            onTopLayer_ = on;
            layer_->SetLayer(on ? platform::Layer::Top : platform::Layer::Bottom);
        }
        return;
    }
    if (window_.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) {
        return;
    }
    Qt::WindowFlags flags = window_.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    if (QWindow* window = window_.windowHandle()) {
        window_.overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        window_.setWindowFlags(flags);  // no native window yet: it is made with the flag
    }
}

// When another window takes the focus, the window manager raises it; an always-on-top window
// then puts itself back above it, without taking the focus back. A window manager that honours
// the stay-on-top state does this anyway; one that does not (or none at all) needs it.
void WindowPlacement::KeepOnTop() {
    if (layer_ == nullptr && options_.popup && window_.isVisible() && !window_.isActiveWindow()) {
        window_.raise();
    }
}

}  // namespace tarnwick
