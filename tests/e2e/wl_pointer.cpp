// A mouse for tests on a Wayland compositor without input devices (a headless sway): moves,
// clicks and drags through the compositor's virtual pointer, in pixels of the first output.
//   wl_pointer [--extent W H] move X Y
//   wl_pointer [--extent W H] click X Y [left|right|middle]
//   wl_pointer [--extent W H] drag X1 Y1 X2 Y2      (with the left button)
//   wl_pointer hold                                 (keeps a pointer until ended, see below)
// The output's size comes from its current mode and scale unless --extent gives it. Exits 0
// once the compositor has had every request, 1 where it offers no virtual pointer or no
// output, 2 on a wrong command line.
// A seat without devices has no pointer: the first device to come gives it one, and only then
// do the clients ask for their pointer, missing what came before. "hold" keeps a device, so
// the seat's pointer stays while short runs come and go; it ends when the compositor goes.
#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "virtual_pointer_client.h"

namespace {

struct Globals {
    zwlr_virtual_pointer_manager_v1* manager = nullptr;
    uint32_t managerVersion = 0;
    wl_output* output = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t scale = 1;
};

void OutputMode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
    if ((flags & WL_OUTPUT_MODE_CURRENT) != 0) {
        auto* globals = static_cast<Globals*>(data);
        globals->width = width;
        globals->height = height;
    }
}
void OutputScale(void* data, wl_output*, int32_t factor) {
    static_cast<Globals*>(data)->scale = factor > 0 ? factor : 1;
}
void OutputGeometry(void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*,
                    const char*, int32_t) {}
void OutputDone(void*, wl_output*) {}
// Newer libwayland adds events of later versions to the listener; those stay empty.
wl_output_listener OutputListener() {
    wl_output_listener listener{};
    listener.geometry = OutputGeometry;
    listener.mode = OutputMode;
    listener.done = OutputDone;
    listener.scale = OutputScale;
    return listener;
}
const wl_output_listener kOutputListener = OutputListener();

void Global(void* data, wl_registry* registry, uint32_t name, const char* interface,
            uint32_t version) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        globals->managerVersion = std::min<uint32_t>(version, 2);
        globals->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(wl_registry_bind(
            registry, name, &zwlr_virtual_pointer_manager_v1_interface, globals->managerVersion));
    } else if (std::strcmp(interface, wl_output_interface.name) == 0 &&
               globals->output == nullptr) {
        // Version 2 brings the scale event; the mode is in buffer pixels, the pointer's
        // place in the layout's.
        globals->output = static_cast<wl_output*>(
            wl_registry_bind(registry, name, &wl_output_interface, std::min<uint32_t>(version, 2)));
        wl_output_add_listener(globals->output, &kOutputListener, globals);
    }
}
void GlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistryListener = {Global, GlobalRemove};

// What the command line asks for; extent 0 takes the output's size.
struct Command {
    std::string action;
    std::vector<long> place;  // X Y, or X1 Y1 X2 Y2 for a drag
    uint32_t button = BTN_LEFT;
    long extentWidth = 0;
    long extentHeight = 0;
};

// A whole number no smaller than 0, or -1.
long Number(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return end != text.c_str() && *end == '\0' && value >= 0 ? value : -1;
}

// Empty where the command line reads well, else why not.
std::string Parse(std::vector<std::string> args, Command& command) {
    if (args.size() >= 3 && args[0] == "--extent") {
        command.extentWidth = Number(args[1]);
        command.extentHeight = Number(args[2]);
        if (command.extentWidth <= 0 || command.extentHeight <= 0) {
            return "the extent is two whole numbers above 0";
        }
        args.erase(args.begin(), args.begin() + 3);
    }
    if (args.empty()) {
        return "no action";
    }
    command.action = args[0];
    size_t i = 1;
    for (; i < args.size() && Number(args[i]) >= 0; ++i) {
        command.place.push_back(Number(args[i]));
    }
    const std::map<std::string, uint32_t> buttons = {
        {"left", BTN_LEFT}, {"right", BTN_RIGHT}, {"middle", BTN_MIDDLE}};
    if (command.action == "click" && i + 1 == args.size() && buttons.count(args[i]) != 0) {
        command.button = buttons.at(args[i++]);
    }
    const std::map<std::string, size_t> wanted = {
        {"move", 2}, {"click", 2}, {"drag", 4}, {"hold", 0}};
    if (wanted.count(command.action) == 0 || command.place.size() != wanted.at(command.action) ||
        i != args.size()) {
        return "cannot read '" + command.action + "' and what follows it";
    }
    return "";
}

class Pointer {
public:
    Pointer(wl_display* display, zwlr_virtual_pointer_v1* pointer, uint32_t width, uint32_t height)
        : display_(display), pointer_(pointer), width_(width), height_(height) {}

    // A place inside the extent (checked by the caller).
    void MoveTo(long x, long y) {
        zwlr_virtual_pointer_v1_motion_absolute(pointer_, Now(), static_cast<uint32_t>(x),
                                                static_cast<uint32_t>(y), width_, height_);
        Frame();
    }
    void Button(uint32_t button, bool pressed) {
        zwlr_virtual_pointer_v1_button(
            pointer_, Now(), button,
            pressed ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
        Frame();
    }
    // Sends what is queued and gives the receiving program a moment, as a hand would.
    void Pause() {
        wl_display_flush(display_);
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }

private:
    void Frame() { zwlr_virtual_pointer_v1_frame(pointer_); }
    static uint32_t Now() {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }

    wl_display* display_;
    zwlr_virtual_pointer_v1* pointer_;
    uint32_t width_;
    uint32_t height_;
};

void Run(Pointer& pointer, const Command& command) {
    const auto& place = command.place;
    pointer.MoveTo(place[0], place[1]);
    if (command.action == "click") {
        pointer.Pause();
        pointer.Button(command.button, true);
        pointer.Pause();
        pointer.Button(command.button, false);
    } else if (command.action == "drag") {
        pointer.Pause();
        pointer.Button(BTN_LEFT, true);
        constexpr int kSteps = 10;
        for (int step = 1; step <= kSteps; ++step) {
            pointer.Pause();
            pointer.MoveTo(place[0] + (place[2] - place[0]) * step / kSteps,
                           place[1] + (place[3] - place[1]) * step / kSteps);
        }
        pointer.Pause();
        pointer.Button(BTN_LEFT, false);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Command command;
    const std::string wrong = Parse(std::vector<std::string>(argv + 1, argv + argc), command);
    if (!wrong.empty()) {
        std::fprintf(stderr,
                     "wl_pointer: %s\n"
                     "usage: wl_pointer [--extent W H] move X Y\n"
                     "       wl_pointer [--extent W H] click X Y [left|right|middle]\n"
                     "       wl_pointer [--extent W H] drag X1 Y1 X2 Y2\n"
                     "       wl_pointer hold\n",
                     wrong.c_str());
        return 2;
    }
    const auto& place = command.place;

    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wl_pointer: cannot connect to the Wayland display\n");
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    wl_display_roundtrip(display);  // the globals
    wl_display_roundtrip(display);  // the output's mode
    if (globals.manager == nullptr) {
        std::fprintf(stderr,
                     "wl_pointer: the compositor offers no virtual pointer "
                     "(zwlr_virtual_pointer_manager_v1)\n");
        return 1;
    }
    const long width =
        command.extentWidth > 0 ? command.extentWidth : globals.width / globals.scale;
    const long height =
        command.extentHeight > 0 ? command.extentHeight : globals.height / globals.scale;
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "wl_pointer: no output to take the size of; give --extent W H\n");
        return 1;
    }
    for (size_t k = 0; k < place.size(); ++k) {
        if (place[k] >= (k % 2 == 0 ? width : height)) {
            std::fprintf(stderr, "wl_pointer: %ld,%ld lies outside the output of %ldx%ld\n",
                         place[k - k % 2], place[k - k % 2 + 1], width, height);
            return 1;
        }
    }

    // Tied to the first output, the pointer's extent is that output, wherever it lies in the
    // layout; an older compositor maps it onto the whole layout.
    zwlr_virtual_pointer_v1* device =
        globals.managerVersion >= 2 && globals.output != nullptr
            ? zwlr_virtual_pointer_manager_v1_create_virtual_pointer_with_output(
                  globals.manager, nullptr, globals.output)
            : zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, nullptr);
    Pointer pointer(display, device, static_cast<uint32_t>(width), static_cast<uint32_t>(height));
    if (command.action == "hold") {
        while (wl_display_dispatch(display) >= 0) {
        }
        return 0;
    }
    Run(pointer, command);
    // The compositor has had everything once it answers; only then may the device go.
    const bool delivered = wl_display_roundtrip(display) >= 0;
    zwlr_virtual_pointer_v1_destroy(device);
    zwlr_virtual_pointer_manager_v1_destroy(globals.manager);
    if (globals.output != nullptr) {
        wl_output_destroy(globals.output);
    }
    wl_registry_destroy(registry);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    if (!delivered) {
        std::fprintf(stderr, "wl_pointer: the connection to the compositor broke\n");
        return 1;
    }
    return 0;
}
