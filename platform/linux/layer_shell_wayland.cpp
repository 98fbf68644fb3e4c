// The layer shell through libwayland-client on Qt's own connection. Qt reaches the compositor
// from its own thread and dispatches its objects on the main thread; ours live on a queue of
// their own, so waiting for the first configure never runs Qt's handlers inside ours, and the
// queue is emptied each time the main thread's event loop is about to wait.
#include <qpa/qplatformnativeinterface.h>
#include <QAbstractEventDispatcher>
#include <QByteArray>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QVector>
#include <QWindow>

#include <wayland-client.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "layer_shell_client.h"  // made by wayland-scanner from protocol/layer_shell.xml
#include "platform/layer_shell.h"

namespace tarnwick::platform {

namespace {

constexpr char kShellInterface[] = "zwlr_layer_shell_v1";
constexpr char kBypassVariable[] = "QT_WAYLAND_USE_BYPASSWINDOWMANAGERHINT";
constexpr char kKeepPositionsVariable[] = "QT_WAYLAND_DISABLE_FIXED_POSITIONS";
constexpr std::uint32_t kNewestVersion = 4;

void Say(const char* what) {
    std::fprintf(stderr, "Tarnwick: layer shell: %s\n", what);
}

struct Global {
    std::uint32_t name = 0;
    std::uint32_t version = 0;
};

void OnGlobal(void* data, wl_registry*, std::uint32_t name, const char* interface,
              std::uint32_t version) {
    if (std::strcmp(interface, kShellInterface) == 0) {
        *static_cast<Global*>(data) = {name, version};
    }
}

void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

bool QtOnWayland() {
    return qGuiApp != nullptr && QGuiApplication::platformName().startsWith("wayland");
}

wl_display* QtDisplay() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native == nullptr ? nullptr
                             : static_cast<wl_display*>(
                                   native->nativeResourceForIntegration(QByteArray("wl_display")));
}

// A queue of our own on a display, with a registry that has looked for the shell.
class PrivateQueue {
public:
    explicit PrivateQueue(wl_display* display)
        : display_(display),
          queue_(wl_display_create_queue(display)),
          wrapper_(static_cast<wl_display*>(wl_proxy_create_wrapper(display))) {
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper_), queue_);
        registry_ = wl_display_get_registry(wrapper_);
        wl_registry_add_listener(registry_, &kRegistryListener, &shell_);
        if (wl_display_roundtrip_queue(display_, queue_) < 0) {
            shell_ = {};
        }
    }
    ~PrivateQueue() {
        wl_registry_destroy(registry_);
        wl_proxy_wrapper_destroy(wrapper_);
        wl_event_queue_destroy(queue_);
    }
    PrivateQueue(const PrivateQueue&) = delete;
    PrivateQueue& operator=(const PrivateQueue&) = delete;

    wl_display* display() const { return display_; }
    wl_event_queue* queue() const { return queue_; }
    wl_registry* registry() const { return registry_; }
    const Global& shell() const { return shell_; }

private:
    wl_display* display_;
    wl_event_queue* queue_;
    wl_display* wrapper_;
    wl_registry* registry_ = nullptr;
    Global shell_;
};

std::uint32_t WireLayer(Layer layer) {
    switch (layer) {
        case Layer::Background:
            return ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND;
        case Layer::Bottom:
            return ZWLR_LAYER_SHELL_V1_LAYER_BOTTOM;
        case Layer::Overlay:
            return ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY;
        case Layer::Top:
            break;
    }
    return ZWLR_LAYER_SHELL_V1_LAYER_TOP;
}

// Before a click the surface takes no keyboard (see TakeKeyboardOnClick).
std::uint32_t WireKeyboard(LayerKeyboard keyboard) {
    return keyboard == LayerKeyboard::Exclusive
               ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
               : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE;
}

// The screen a window at its position goes on, and the margins there.
struct ScreenPlace {
    QScreen* screen = nullptr;
    LayerPlace place;
};

ScreenPlace PlaceWindow(const QWindow& window) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QVector<QRect> outputs;
    for (const QScreen* screen : screens) {
        outputs.append(screen->geometry());
    }
    ScreenPlace where;
    where.place =
        PlaceOnOutputs(window.position(), outputs.constData(), static_cast<int>(outputs.size()));
    if (where.place.output >= 0) {
        where.screen = screens.at(where.place.output);
    }
    return where;
}

class WaylandLayerSurface final : public QObject, public LayerSurface {
public:
    WaylandLayerSurface(QWindow& window, std::unique_ptr<PrivateQueue> queue,
                        const LayerRequest& request)
        : window_(&window), queue_(std::move(queue)), request_(request) {
        const Global& global = queue_->shell();
        version_ = std::min({global.version, kNewestVersion,
                             static_cast<std::uint32_t>(std::max(request.newestVersion, 1))});
        shell_ = static_cast<zwlr_layer_shell_v1*>(wl_registry_bind(
            queue_->registry(), global.name, &zwlr_layer_shell_v1_interface, version_));
        connect(QAbstractEventDispatcher::instance(window.thread()),
                &QAbstractEventDispatcher::aboutToBlock, this, [this] { Dispatch(); });
        connect(&window, &QWindow::widthChanged, this, [this] { SendSize(); });
        connect(&window, &QWindow::heightChanged, this, [this] { SendSize(); });
        if (request.followWindow) {
            connect(&window, &QWindow::xChanged, this, [this] { FollowWindow(); });
            connect(&window, &QWindow::yChanged, this, [this] { FollowWindow(); });
        }
        // Qt gives a window a new surface at each show, and takes it away at each hide. The
        // new one is there by the first expose, which paints it: the role comes just before.
        connect(&window, &QWindow::visibleChanged, this, [this](bool visible) {
            renew_ = visible;
            if (!visible) {
                Detach();
            }
        });
        window.installEventFilter(this);
        renew_ = !window.isVisible();  // a window not yet shown takes the role when it shows
    }

    ~WaylandLayerSurface() override {
        Detach();
        if (version_ >= ZWLR_LAYER_SHELL_V1_DESTROY_SINCE_VERSION) {
            zwlr_layer_shell_v1_destroy(shell_);
        } else {
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(shell_));
        }
        wl_display_flush(queue_->display());
    }

    // Gives the window's present surface the role; false where the surface is not there or
    // the compositor never configured it.
    bool Attach() {
        if (window_ == nullptr) {
            return false;
        }
        surface_ = static_cast<wl_surface*>(
            QGuiApplication::platformNativeInterface()->nativeResourceForWindow(
                QByteArray("surface"), window_));
        if (surface_ == nullptr) {
            Say("the window has no surface yet (show it first)");
            return false;
        }
        // A surface takes the role only while no picture is attached to it. A fresh one has
        // none; this keeps a window painted too early from a protocol error (it then stays
        // unseen: Qt waits for a frame the compositor sends only to a surface it shows).
        wl_surface_attach(surface_, nullptr, 0, 0);
        wl_surface_commit(surface_);
        configured_ = false;
        closed_ = false;
        keyboardTaken_ = false;
        wl_output* output = nullptr;
        if (request_.followWindow) {
            const ScreenPlace where = PlaceWindow(*window_);
            output_ = where.screen;
            request_.x = where.place.left;
            request_.y = where.place.top;
            if (where.screen != nullptr) {
                output = static_cast<wl_output*>(
                    QGuiApplication::platformNativeInterface()->nativeResourceForScreen(
                        QByteArray("output"), where.screen));
            }
        }
        layer_ = zwlr_layer_shell_v1_get_layer_surface(shell_, surface_, output,
                                                       WireLayer(request_.layer), "tarnwick");
        static const zwlr_layer_surface_v1_listener listener = {OnConfigure, OnClosed};
        zwlr_layer_surface_v1_add_listener(layer_, &listener, this);
        SendSize();
        zwlr_layer_surface_v1_set_anchor(
            layer_, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT);
        zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1);
        zwlr_layer_surface_v1_set_margin(layer_, request_.y, 0, 0, request_.x);
        zwlr_layer_surface_v1_set_keyboard_interactivity(layer_, WireKeyboard(request_.keyboard));
        wl_surface_commit(surface_);
        // The picture may be attached only after the first configure is acknowledged; it
        // answers the commit above, so it has come once the compositor answered a sync.
        for (int i = 0; i < 3 && !configured_ && !closed_; ++i) {
            if (wl_display_roundtrip_queue(queue_->display(), queue_->queue()) < 0) {
                break;
            }
        }
        if (!configured_) {
            Say("the compositor did not configure the surface");
            Detach();
            return false;
        }
        return true;
    }

    void SetMargins(int x, int y) override {
        request_.x = x;
        request_.y = y;
        if (layer_ != nullptr) {
            zwlr_layer_surface_v1_set_margin(layer_, y, 0, 0, x);
            Commit();
        }
    }

    void SetLayer(Layer layer) override {
        request_.layer = layer;
        if (layer_ == nullptr) {
            return;
        }
        if (version_ >= ZWLR_LAYER_SURFACE_V1_SET_LAYER_SINCE_VERSION) {
            zwlr_layer_surface_v1_set_layer(layer_, WireLayer(layer));
            Commit();
        } else {
            // Hidden, Qt gives up the surface; shown, it makes a new one, which takes the role
            // on the new layer (see visibleChanged) before it is painted.
            window_->hide();
            window_->show();
        }
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose && renew_) {
            renew_ = false;
            Attach();
        } else if (event->type() == QEvent::MouseButtonPress) {
            TakeKeyboardOnClick(true);
        } else if (event->type() == QEvent::Leave) {
            TakeKeyboardOnClick(false);
        }
        return false;
    }

private:
    static void OnConfigure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                            std::uint32_t, std::uint32_t) {
        zwlr_layer_surface_v1_ack_configure(layer, serial);
        static_cast<WaylandLayerSurface*>(data)->configured_ = true;
    }

    static void OnClosed(void* data, zwlr_layer_surface_v1*) {
        static_cast<WaylandLayerSurface*>(data)->closed_ = true;
    }

    void Dispatch() {
        if (layer_ == nullptr) {
            return;
        }
        wl_display_dispatch_queue_pending(queue_->display(), queue_->queue());
        if (closed_) {
            Say("the compositor closed the surface");
            Detach();
            if (request_.closed) {
                request_.closed();  // last: it may end this object
            }
        }
    }

    // The protocol's own keyboard "on demand" is not it: sway 1.7 gives such a surface the
    // keyboard as soon as it shows and hands it back after every click elsewhere, and the
    // protocol's versions before the fourth (KWin 5.27's) lack it. So the surface takes all
    // of the keyboard from a click on it until the pointer leaves it.
    void TakeKeyboardOnClick(bool take) {
        if (layer_ == nullptr || request_.keyboard != LayerKeyboard::OnClick ||
            keyboardTaken_ == take) {
            return;
        }
        keyboardTaken_ = take;
        zwlr_layer_surface_v1_set_keyboard_interactivity(
            layer_, take ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                         : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
        Commit();
    }

    // The window moved: the surface follows on its output; on another output it is made anew
    // there (a surface cannot change its output), through a hide and show as for a new layer.
    void FollowWindow() {
        if (layer_ == nullptr || window_ == nullptr) {
            return;
        }
        const ScreenPlace where = PlaceWindow(*window_);
        if (where.screen != output_) {
            window_->hide();
            window_->show();
            return;
        }
        SetMargins(where.place.left, where.place.top);
    }

    void SendSize() {
        if (layer_ != nullptr && window_ != nullptr) {
            zwlr_layer_surface_v1_set_size(layer_, std::max(window_->width(), 1),
                                           std::max(window_->height(), 1));
            wl_display_flush(queue_->display());
        }
    }

    void Commit() {
        wl_surface_commit(surface_);
        wl_display_flush(queue_->display());
    }

    void Detach() {
        if (layer_ != nullptr) {
            zwlr_layer_surface_v1_destroy(layer_);
            layer_ = nullptr;
            wl_display_flush(queue_->display());
        }
    }

    QPointer<QWindow> window_;
    std::unique_ptr<PrivateQueue> queue_;  // outlives the objects on it (declared before)
    LayerRequest request_;
    std::uint32_t version_ = 1;
    zwlr_layer_shell_v1* shell_ = nullptr;
    wl_surface* surface_ = nullptr;  // Qt's
    zwlr_layer_surface_v1* layer_ = nullptr;
    QPointer<QScreen> output_;  // that the surface went on, where it follows the window
    bool configured_ = false;
    bool closed_ = false;
    bool renew_ = false;          // shown again: the next expose brings a new surface
    bool keyboardTaken_ = false;  // by a click, until the pointer leaves
};

}  // namespace

bool LayerShellAvailable() {
    if (QtOnWayland()) {
        wl_display* display = QtDisplay();
        return display != nullptr && PrivateQueue(display).shell().name != 0;
    }
    // A connection handed over in WAYLAND_SOCKET serves once: it is Qt's to take.
    const char* handed = std::getenv("WAYLAND_SOCKET");
    if (handed != nullptr && *handed != '\0') {
        return false;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return false;
    }
    bool offered = false;
    {
        PrivateQueue queue(display);
        offered = queue.shell().name != 0;
    }
    wl_display_disconnect(display);
    return offered;
}

void PrepareLayerSurfaces() {
    qputenv(kBypassVariable, "1");
    qputenv(kKeepPositionsVariable, "1");
}

void KeepLayerSurfacesToThisProcess() {
    qunsetenv(kKeepPositionsVariable);
}

void PrepareLayerSurfaceWindow(QWindow& window) {
    qputenv(kBypassVariable, "1");
    window.setFlag(Qt::BypassWindowManagerHint, true);
}

std::unique_ptr<LayerSurface> MakeLayerSurface(QWindow& window, const LayerRequest& request) {
    if (!QtOnWayland()) {
        Say("Qt does not run on Wayland");
        return nullptr;
    }
    // Qt gives any other window a role of its own; a second role is a protocol error.
    if (!window.flags().testFlag(Qt::BypassWindowManagerHint) ||
        !qEnvironmentVariableIsSet(kBypassVariable) || window.parent() != nullptr) {
        Say("the window was not prepared for the layer role");
        return nullptr;
    }
    wl_display* display = QtDisplay();
    if (display == nullptr) {
        Say("no Wayland connection");
        return nullptr;
    }
    auto queue = std::make_unique<PrivateQueue>(display);
    if (queue->shell().name == 0) {
        Say("the compositor offers none");
        return nullptr;
    }
    auto surface = std::make_unique<WaylandLayerSurface>(window, std::move(queue), request);
    if (window.isVisible() && !surface->Attach()) {
        return nullptr;
    }
    return surface;
}

}  // namespace tarnwick::platform
