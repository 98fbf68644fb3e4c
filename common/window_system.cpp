#include "common/window_system.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstring>

#include "platform/display_probe.h"
#include "platform/layer_shell.h"

namespace tarnwick {

namespace {

bool IsWaylandSession(const WindowSystemEnvironment& environment) {
    return !environment.waylandDisplay.empty() || environment.sessionType == "wayland";
}

bool IsWaylandName(const std::string& name) {
    return name.rfind("wayland", 0) == 0;
}

// KDE Plasma and GNOME run X11 programs well enough that the monitor keeps its X11 ways there.
bool IsKdeOrGnome(const std::string& desktops) {
    const QStringList names = QString::fromStdString(desktops).split(':');
    for (const QString& name : names) {
        if (name.compare("KDE", Qt::CaseInsensitive) == 0 ||
            name.startsWith("GNOME", Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

bool Offered(const std::function<bool()>& probe) {
    return probe && probe();
}

}  // namespace

WindowSystemChoice ChooseWindowSystem(const WindowSystemEnvironment& environment,
                                      const WindowSystemProbes& probes) {
    WindowSystemChoice choice;
    if (environment.platformArgument) {
        return choice;  // "-platform NAME": Qt takes it, and says itself when it fails
    }
    // A platform the user named is the one to run on; only a display that cannot be reached
    // is said plainly here instead of by Qt's abort.
    if (!environment.qpaPlatform.empty()) {
        const std::string& named = environment.qpaPlatform;
        if (named == "xcb") {
            choice.noDisplay = environment.display.empty() || !probes.xServerOpens();
        } else if (IsWaylandName(named) && named.find(';') == std::string::npos) {
            choice.noDisplay = !probes.waylandOpens();
            choice.layerShell = !choice.noDisplay && Offered(probes.layerShellOffered);
        }
        return choice;
    }
    const bool xServer = !environment.display.empty() && probes.xServerOpens();
    if (IsWaylandSession(environment)) {
        const bool wayland = probes.waylandOpens();
        // Without an X server, or away from the desktops that run X11 programs well.
        const bool native = !xServer || !IsKdeOrGnome(environment.currentDesktop);
        if (native && wayland && Offered(probes.layerShellOffered)) {
            choice.platform = "wayland";
            choice.layerShell = true;
            return choice;
        }
        if (xServer) {
            choice.platform = "xcb";
            // Qt 6 tries Wayland first on a Wayland session; where no compositor answers it
            // falls back to X11 as well, and nothing needs saying.
            if (wayland) {
                choice.notice =
                    "this Wayland session has an X server (XWayland): running on X11, where "
                    "a window can keep its place, stay on top and stay out of the taskbar "
                    "(QT_QPA_PLATFORM=wayland runs it natively)";
            }
            return choice;
        }
        choice.noDisplay = !wayland;
        return choice;
    }
    choice.noDisplay = !xServer;
    return choice;
}

namespace {

std::string Variable(const char* name) {
    return qEnvironmentVariable(name).toStdString();
}

}  // namespace

WindowSystemStart PrepareWindowSystem(int argc, const char* const* argv, const char* program,
                                      bool layerShellWindow) {
    WindowSystemEnvironment environment;
    environment.qpaPlatform = Variable("QT_QPA_PLATFORM");
    environment.waylandDisplay = Variable("WAYLAND_DISPLAY");
    environment.sessionType = Variable("XDG_SESSION_TYPE");
    environment.display = Variable("DISPLAY");
    environment.currentDesktop = Variable("XDG_CURRENT_DESKTOP");
    for (int i = 1; i < argc; ++i) {
        environment.platformArgument = environment.platformArgument ||
                                       std::strcmp(argv[i], "-platform") == 0 ||
                                       std::strcmp(argv[i], "--platform") == 0;
    }
    const WindowSystemChoice choice = ChooseWindowSystem(
        environment, {platform::XServerOpens, platform::WaylandOpens,
                      layerShellWindow ? platform::LayerShellAvailable : std::function<bool()>()});
    WindowSystemStart start;
    if (choice.noDisplay) {
        std::fprintf(stderr, "%s: cannot open the display\n", program);
        start.canStart = false;
        return start;
    }
    if (!choice.notice.empty()) {
        std::fprintf(stderr, "%s: %s\n", program, choice.notice.c_str());
    }
    if (!choice.platform.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(choice.platform));
        start.platformSet = true;
    }
    start.layerShell = choice.layerShell;
    if (start.layerShell) {
        platform::PrepareLayerSurfaces();
    }
    return start;
}

void ForgetWindowSystemChoice(const WindowSystemStart& start) {
    if (start.platformSet) {
        qunsetenv("QT_QPA_PLATFORM");
    }
    if (start.layerShell) {
        platform::KeepLayerSurfacesToThisProcess();
    }
}

}  // namespace tarnwick
