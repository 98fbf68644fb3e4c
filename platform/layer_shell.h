#pragma once

#include <functional>
#include <memory>

class QWindow;
class QPoint;
class QRect;

// A window as a layer surface of a Wayland compositor (the zwlr_layer_shell_v1 global that
// sway, KDE Plasma and other compositors offer): a surface the compositor places where the
// client asks, on a layer above or below the ordinary windows, with no taskbar button. Every
// failure is said on standard error and answered with "not available", never with a protocol
// error that would end the program.
namespace tarnwick::platform {

enum class Layer { Background, Bottom, Top, Overlay };

// Whether the compositor on WAYLAND_DISPLAY offers the layer shell. Opens a connection of its
// own, so it answers before the application object exists as well as after.
bool LayerShellAvailable();

// For a program whose windows will take the layer role: before the application object
// exists, asks Qt to create the surface of a window flagged Qt::BypassWindowManagerHint
// without a role of its own, and to keep the positions the program gives its windows (Qt
// otherwise pins every window to its screen's corner, as a compositor tells no client where
// its windows are). The first request stays for the life of the process: Qt asks it again
// whenever it decides whether a window shows.
void PrepareLayerSurfaces();
// Once the application object exists: the programs started from now on place their windows as
// Qt does by default. (The role request stays: it touches only windows flagged for a layer.)
void KeepLayerSurfacesToThisProcess();

// The same for one window once the application object exists: the request and the flag. The
// positions Qt keeps for the window then stay its screen's corner.
void PrepareLayerSurfaceWindow(QWindow& window);

// Which keyboard the surface takes: none, all of it from a click on the window until the
// pointer leaves the window, or all of it while it shows (for a menu).
enum class LayerKeyboard { None, OnClick, Exclusive };

// Where the window goes: anchored at the output's top left corner, margins x and y from it,
// claiming no space of other surfaces.
struct LayerRequest {
    Layer layer = Layer::Top;
    int x = 0;
    int y = 0;
    // The margins follow the window: each change of its position moves the surface there, on
    // the output that holds the position (see LayerMargins), and x, y above are not used.
    bool followWindow = false;
    LayerKeyboard keyboard = LayerKeyboard::None;
    int newestVersion = 4;         // of the protocol: a lower one takes the older compositors' way
    std::function<void()> closed;  // the compositor took the surface away (an output went)
};

// The output a window at position goes on, and its margins there: the first output that holds
// the position, or else the first one (the margins then put the window off that output, as the
// position lies off every one). -1 and the position itself when there is no output.
struct LayerPlace {
    int output = -1;
    int left = 0;
    int top = 0;
};
LayerPlace PlaceOnOutputs(const QPoint& position, const QRect* outputs, int count);

class LayerSurface {
public:
    virtual ~LayerSurface() = default;
    virtual void SetMargins(int x, int y) = 0;
    // Live where the compositor can change a layer; elsewhere the window is hidden and shown
    // again, and its new surface takes the new layer.
    virtual void SetLayer(Layer layer) = 0;
};

// Gives the window the layer role: at once when it shows, else when it first shows (before Qt
// paints it), and again at each later show, with the last margins and layer. The window must
// carry Qt::BypassWindowManagerHint in a process prepared by PrepareLayerSurfaces (or
// PrepareLayerSurfaceWindow). Destroy it before the window and the application object. Null,
// with a line on standard error, where Qt does not run on Wayland, the compositor offers no
// layer shell, or the window cannot take the role: the window is then best shown as an
// ordinary one.
std::unique_ptr<LayerSurface> MakeLayerSurface(QWindow& window, const LayerRequest& request);

}  // namespace tarnwick::platform
