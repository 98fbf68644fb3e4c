// Watches the top-level windows of $DISPLAY as they are made and prints, one line each and
// in the order the server sends them, when a window is mapped and when its opacity or its
// states are set: "map 0x1a00003", "_NET_WM_WINDOW_OPACITY 0x1a00003 2147483647" and
// "_NET_WM_STATE 0x1a00003 _NET_WM_STATE_ABOVE _NET_WM_STATE_SKIP_TASKBAR". So a test sees
// what the program asked for even where a window manager replaces it at once. Ends after
// SECONDS.
// Usage: map_watch SECONDS
#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* connection = nullptr;

xcb_atom_t Atom(const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::string AtomName(xcb_atom_t atom) {
    const Reply<xcb_get_atom_name_reply_t> name(
        xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, atom), nullptr),
        &std::free);
    return name ? std::string(xcb_get_atom_name_name(name.get()),
                              static_cast<std::size_t>(xcb_get_atom_name_name_length(name.get())))
                : std::string();
}

// The property's name, the window and its 32-bit values: numbers, or names for atoms.
void PrintProperty(xcb_window_t window, xcb_atom_t property) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
            nullptr),
        &std::free);
    if (!reply || reply->format != 32) {
        return;  // not set
    }
    char id[16];
    std::snprintf(id, sizeof id, "0x%x", window);
    std::string line = AtomName(property) + " " + id;
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    for (int i = 0; i < xcb_get_property_value_length(reply.get()) / 4; ++i) {
        line +=
            " " + (reply->type == XCB_ATOM_ATOM ? AtomName(values[i]) : std::to_string(values[i]));
    }
    std::puts(line.c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: map_watch SECONDS\n");
        return 2;
    }
    int screenNumber = 0;
    connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "map_watch: no X display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_atom_t watched[] = {Atom("_NET_WM_WINDOW_OPACITY"), Atom("_NET_WM_STATE")};
    const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screens.data->root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(connection);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::puts("watching");

    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[1]));
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (std::chrono::steady_clock::now() < end && xcb_connection_has_error(connection) == 0) {
        poll(&fd, 1, 100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const int type = event->response_type & 0x7F;
            if (type == XCB_CREATE_NOTIFY) {
                // Watch the new window itself: its properties, and its own map also inside a
                // window manager's frame.
                const xcb_window_t window =
                    reinterpret_cast<xcb_create_notify_event_t*>(event)->window;
                const std::uint32_t mask =
                    XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
                for (const xcb_atom_t property : watched) {
                    PrintProperty(window, property);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                std::printf("map 0x%x\n", reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
            } else if (type == XCB_PROPERTY_NOTIFY) {
                const auto* changed = reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (changed->state == XCB_PROPERTY_NEW_VALUE &&
                    (changed->atom == watched[0] || changed->atom == watched[1])) {
                    PrintProperty(changed->window, changed->atom);
                }
            }
            std::free(event);
        }
    }
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return failed ? 1 : 0;
}
