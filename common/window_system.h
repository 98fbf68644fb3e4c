#pragma once

#include <functional>
#include <string>

// Which of Qt's window systems a program runs on, decided before the application object
// exists. On a Wayland desktop the monitor needs what only X11 lets a client ask for (its own
// position, a place above other windows, no taskbar button, its opacity), and KDE Plasma and
// GNOME run X11 programs through XWayland: so there, with an X server reachable, both programs
// run on X11. Other compositors (sway and its kin), and a user who asked for Wayland, get
// the native route where the compositor offers the layer shell, which places the monitor's
// window itself. The user's own choice always wins.
namespace tarnwick {

// What the decision looks at: the environment and the command line.
struct WindowSystemEnvironment {
    std::string qpaPlatform;          // QT_QPA_PLATFORM
    bool platformArgument = false;    // "-platform NAME" on the command line
    std::string waylandDisplay;       // WAYLAND_DISPLAY
    std::string sessionType;          // XDG_SESSION_TYPE
    std::string display;              // DISPLAY
    std::string currentDesktop = {};  // XDG_CURRENT_DESKTOP, names separated by ':'
};

struct WindowSystemChoice {
    std::string platform;     // given to Qt; empty: Qt chooses as it would
    std::string notice;       // said once on standard error; empty: the start stays silent
    bool noDisplay = false;   // no window system can be reached: the program cannot start
    bool layerShell = false;  // on Wayland, with the monitor's window as a layer surface
};

// The connections are tried only when the answer depends on them: whether an X server opens
// on the DISPLAY, whether a Wayland compositor answers on the WAYLAND_DISPLAY, whether that
// compositor offers the layer shell (none given: it is taken not to).
struct WindowSystemProbes {
    std::function<bool()> xServerOpens;
    std::function<bool()> waylandOpens;
    std::function<bool()> layerShellOffered = {};
};

WindowSystemChoice ChooseWindowSystem(const WindowSystemEnvironment& environment,
                                      const WindowSystemProbes& probes);

// The choice for this process: reads the environment and the command line, tries the
// connections of the system, says the notice (or that no display opens) on standard error as
// "<program>: ...", and hands the platform to Qt through QT_QPA_PLATFORM. Call it before the
// application object exists; false: the program cannot start. layerShellWindow: the program
// can show its window as a layer surface, so the native route is open to it.
struct WindowSystemStart {
    bool canStart = true;
    bool platformSet = false;  // QT_QPA_PLATFORM was set here
    bool layerShell = false;   // the monitor's window goes on a layer of the compositor
};
WindowSystemStart PrepareWindowSystem(int argc, const char* const* argv, const char* program,
                                      bool layerShellWindow = false);

// Once the application object exists: the programs started from now on get the environment
// this one was given, so they make their own choice.
void ForgetWindowSystemChoice(const WindowSystemStart& start);

}  // namespace tarnwick
