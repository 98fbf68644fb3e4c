// Where the monitor window stands: dragging it, docking it to the screen's edges and keeping
// it above other windows.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include "monitor/window/mainwindow.h"
#include "monitor/window/snap.h"
#include "platform/window_hints.h"

namespace tarnwick {

// A left press drags the window, or, on a fixed window, shows the no-drop cursor until the
// button comes up. The right button belongs to the popup menu (contextMenuEvent).
void TfrMain::mousePressEvent(QMouseEvent* event) {
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
    // The window manager's own move loop where it has one: it knows about panels, other
    // screens and the keyboard. A bare X server or a compositor without one says no, and
    // then we follow the pointer ourselves.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
        return;
    }
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void TfrMain::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && event->buttons().testFlag(Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);  // moveEvent snaps
    }
}

void TfrMain::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        EndDrag();
    }
}

void TfrMain::EndDrag() {
    dragging_ = false;
    if (forbiddenCursor_) {
        forbiddenCursor_ = false;
        QGuiApplication::restoreOverrideCursor();
    }
}

void TfrMain::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        EndDrag();
        pmMinClick();
    }
}

// Every move, ours, the window manager's or the program's own, ends docked when docking is
// on. The system's move loop reports moves continuously, so the window sticks to an edge for
// as long as it is dragged within the snap distance of it.
void TfrMain::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    SnapToEdges();
}

void TfrMain::SnapToEdges() {
    if (snapping_ || !options_.snap || !positionKnown_) {
        return;
    }
    // The work area and the screen are read afresh each time: panels come and go, and the
    // screen may be resized while we run.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QPoint snapped = SnapPosition(pos(), size(), options_.snapvalue,
                                        screen->availableGeometry(), screen->geometry());
    if (snapped != pos()) {
        snapping_ = true;  // the snapped position is final; its own move is not snapped again
        move(snapped);
        snapping_ = false;
    }
}

// Qt keeps the position from the last configure it was told of. A reparenting window manager
// (openbox) may tell it while its frame is not yet placed, so Qt holds 0,0 for a window that
// stands at its place: the close batch would save that, and the next resize (a new skin)
// would move the window there. So before the position counts, it is asked afresh, and a
// stale one is mended; the window does not move.
void TfrMain::SyncPosition() {
    QPoint real;
    if (windowHandle() == nullptr || !platform::ReadWindowPosition(*windowHandle(), real) ||
        real == pos()) {
        return;
    }
    snapping_ = true;  // where the window stands is no move of the user's to dock
    move(real);
    snapping_ = false;
}

// Puts the window into the band above ordinary windows or takes it out, without moving it,
// resizing it or hiding it. QWidget::setWindowFlags would hide the window and make its native
// window anew; the flag is instead handed to the live native window, which tells the window
// manager (on X11 the _NET_WM_STATE_ABOVE state).
void TfrMain::SetStaysOnTop(bool on) {
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) {
        return;
    }
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    if (QWindow* window = windowHandle()) {
        overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        setWindowFlags(flags);  // no native window yet: it is made with the flag
    }
}

void TfrMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        KeepOnTop();
    }
}

// When another window takes the focus, the window manager raises it; an always-on-top window
// then puts itself back above it, without taking the focus back. A window manager that honours
// the stay-on-top state does this anyway; one that does not (or none at all) needs it.
void TfrMain::KeepOnTop() {
    if (options_.popup && isVisible() && !isActiveWindow()) {
        raise();
    }
}

}  // namespace tarnwick
