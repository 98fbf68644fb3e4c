// Gives the root window of $DISPLAY a solid background colour that stays: the server paints
// it wherever the root shows, also where a shaped window lets it through later.
// Usage: root_colour RRGGBB (hexadecimal, for a 24-bit TrueColor screen such as Xvfb's)
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: root_colour RRGGBB\n");
        return 2;
    }
    const auto pixel = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 16));
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "root_colour: no X display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t root = screens.data->root;
    xcb_change_window_attributes(connection, root, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(connection, 0, root, 0, 0, 0, 0);
    // A round trip, so both requests are done before the connection goes.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
    return 0;
}
