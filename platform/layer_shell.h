#pragma once

#include <functional>
#include <memory>

class QWindow;

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

// Asks Qt to create the window's surface without a role of its own, so that it can take the
// layer role. Call it before the window is first shown. The request stays in the environment
// for the life of the process: Qt asks it again whenever it decides whether the window shows.
void PrepareLayerSurfaceWindow(QWindow& window);

// Where the window goes: anchored at the output's top left corner, margins x and y from it,
// claiming no space of other surfaces.
struct LayerRequest {
    Layer layer = Layer::Top;
    int x = 0;
    int y = 0;
    bool keyboard = false;         // takes the keyboard when clicked (where the compositor can)
    int newestVersion = 4;         // of the protocol: a lower one takes the older compositors' way
    std::function<void()> closed;  // the compositor took the surface away (an output went)
};

class LayerSurface {
public:
    virtual ~LayerSurface() = default;
    virtual void SetMargins(int x, int y) = 0;
    // Live where the compositor can change a layer; elsewhere the window is hidden and shown
    // again, and its new surface takes the new layer.
    virtual void SetLayer(Layer layer) = 0;
    // False once the compositor has closed it; the window then shows nowhere.
    virtual bool Shown() const = 0;
};

// Gives the window the layer role. Call it right after the first show(), before the event loop
// paints the window; the window must have been prepared (PrepareLayerSurfaceWindow). Each later
// show gives the role again, with the last margins and layer. Destroy it before the window and
// the application object. Null, with
// a line on standard error, where Qt does not run on Wayland, the compositor offers no layer
// shell, or the window cannot take the role.
std::unique_ptr<LayerSurface> MakeLayerSurface(QWindow& window, const LayerRequest& request);

}  // namespace tarnwick::platform
