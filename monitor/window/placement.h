#pragma once

#include <QPoint>

#include "monitor/window/snap.h"

class QMouseEvent;
class QWidget;

namespace tarnwick {

namespace platform {
class LayerSurface;
}

struct Settings;

// Where the monitor window stands: dragging it with the left button (or refusing to, when it
// is fixed), docking it to the screen's edges, keeping it on the screen and above other
// windows. The rules themselves are the pure functions of snap.h; this applies them to the
// window. It reads the options (bolt, snap, snapvalue, popup) from the window's settings
// record.
class WindowPlacement {
public:
    // positionKnown: the window system tells the window where it stands. A Wayland compositor
    // places windows itself and tells the client nothing; docking and fixing do nothing there.
    WindowPlacement(QWidget& window, const Settings& options, bool positionKnown);

    bool PositionKnown() const { return positionKnown_; }

    // The window is a layer surface of a Wayland compositor: it stands where the program moves
    // it, a drag follows the pointer by the compositor's rule, and "always on top" chooses the
    // layer above or below the windows.
    void UseLayerSurface(platform::LayerSurface& surface, PointerReference reference);

    // The left button's press, move and release on the window.
    void Press(QMouseEvent* event);
    void Drag(QMouseEvent* event);
    void EndDrag();

    // Docks the window after any move when docking is on.
    void SnapToEdges();
    // Brings a window that lies off the primary screen back where it can be reached.
    void KeepOnScreen();
    // Tells Qt where the window really stands before its position is read or kept through a
    // resize.
    void SyncPosition();
    void SetStaysOnTop(bool on);
    // On a change of activation: an always-on-top window puts itself back on top.
    void KeepOnTop();

private:
    // Moves the window where it is to stand; that move is not docked again.
    void MoveUnsnapped(QPoint position);

    QWidget& window_;
    const Settings& options_;
    bool positionKnown_;
    // Our own move, where the window manager offers none: the pointer's offset from the
    // window's corner while the left button is held.
    bool dragging_ = false;
    QPoint dragOffset_;
    platform::LayerSurface* layer_ = nullptr;
    PointerReference reference_ = PointerReference::Surface;
    bool onTopLayer_ = true;        // where the layer surface was made
    QPoint pressCorner_;            // on a layer surface: the window's corner and
    QPoint pressLocal_;             // the pointer's place on it when the left button went down
    bool forbiddenCursor_ = false;  // the no-drop cursor of a fixed window is showing
    bool snapping_ = false;         // the move that SnapToEdges makes is not snapped again
};

}  // namespace tarnwick
