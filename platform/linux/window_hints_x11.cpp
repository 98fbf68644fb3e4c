// The taskbar and pager states and the opacity on X11, through the connection Qt keeps to the
// X server.
#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/window_hints.h"

namespace tarnwick::platform {

namespace {

constexpr xcb_atom_t kNoAtom = XCB_ATOM_NONE;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : kNoAtom;
}

// A window not yet mapped carries its states as a property, which the window manager reads
// when it maps the window; the states already there (Qt's own) are kept.
void AddToProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                   const std::vector<xcb_atom_t>& states) {
    std::vector<xcb_atom_t> atoms;
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024),
            nullptr),
        &std::free);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* held = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        atoms.assign(held, held + xcb_get_property_value_length(reply.get()) / 4);
    }
    for (const xcb_atom_t state : states) {
        if (std::find(atoms.begin(), atoms.end(), state) == atoms.end()) {
            atoms.push_back(state);
        }
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
}

// A mapped window asks the window manager with a message to the root window.
void AskWindowManager(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                      const std::vector<xcb_atom_t>& states) {
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    if (!geometry) {
        return;
    }
    constexpr std::uint32_t kAdd = 1;
    constexpr std::uint32_t kFromApplication = 1;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = property;
    message.data.data32[0] = kAdd;
    message.data.data32[1] = states.at(0);
    message.data.data32[2] = states.size() > 1 ? states[1] : kNoAtom;
    message.data.data32[3] = kFromApplication;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
}

xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp == nullptr
                          ? nullptr
                          : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 == nullptr ? nullptr : x11->connection();
}

// The property the window manager reads: the opacity as a fraction of 0xFFFFFFFF.
void SetOpacityProperty(xcb_connection_t* connection, QWindow& window) {
    const xcb_atom_t property = Atom(connection, "_NET_WM_WINDOW_OPACITY");
    if (property == kNoAtom) {
        return;
    }
    const auto value = static_cast<std::uint32_t>(qRound64(window.opacity() * 0xFFFFFFFF));
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), property, XCB_ATOM_CARDINAL, 32,
                        1, &value);
    xcb_flush(connection);
}

// Waits for the window's first exposure after a show, which follows its map, then sets the
// opacity once and goes.
class OpacityAfterMap : public QObject {
public:
    explicit OpacityAfterMap(QWindow& window) : QObject(&window), window_(&window) {
        window.installEventFilter(this);
    }

    // Whether one already waits on the window: it is one of the window's children.
    static bool WaitsOn(const QWindow& window) {
        const QObjectList& children = window.children();
        return std::any_of(children.begin(), children.end(), [](const QObject* child) {
            return dynamic_cast<const OpacityAfterMap*>(child) != nullptr;
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Expose && window_->isExposed()) {
            if (xcb_connection_t* connection = X11Connection()) {
                SetOpacityProperty(connection, *window_);
            }
            window_->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWindow> window_;
};

}  // namespace

void RepeatOpacityAfterMap(QWindow& window) {
    if (X11Connection() == nullptr || window.opacity() >= 1.0 || OpacityAfterMap::WaitsOn(window)) {
        return;  // not on X11, nothing to blend, or already waiting
    }
    new OpacityAfterMap(window);
}

void KeepOutOfTaskbar(QWindow& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return;  // not on X11
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t property = Atom(connection, "_NET_WM_STATE");
    const std::vector<xcb_atom_t> states = {Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                            Atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    if (property == kNoAtom || std::count(states.begin(), states.end(), kNoAtom) > 0) {
        return;
    }
    if (window.isVisible()) {
        AskWindowManager(connection, id, property, states);
    } else {
        AddToProperty(connection, id, property, states);
    }
    xcb_flush(connection);
}

}  // namespace tarnwick::platform

namespace tarnwick::platform {

bool ReadWindowPosition(QWindow& window, QPoint& position) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr || !window.isVisible()) {
        return false;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    if (!geometry) {
        return false;
    }
    const Reply<xcb_translate_coordinates_reply_t> place(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, id, geometry->root, 0, 0), nullptr),
        &std::free);
    if (!place) {
        return false;
    }
    // The window's own corner; a frame of the window manager's lies around it.
    const QMargins frame = window.frameMargins();
    position = QPoint(place->dst_x - frame.left(), place->dst_y - frame.top());
    return true;
}

}  // namespace tarnwick::platform
