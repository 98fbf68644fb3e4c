// The monitor program: one small window, a tray icon and the timers that drive them.
#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

#include "common/autorun.h"
#include "common/datafolder.h"
#include "common/profile_file.h"
#include "common/programs.h"
#include "common/single_copy.h"
#include "monitor/tray/tray_icon.h"
#include "monitor/window/dialogs.h"
#include "monitor/window/mainwindow.h"
#include "platform/linux/figures_linux.h"
#include "platform/process.h"

namespace {

int signalPipe[2] = {-1, -1};

void OnTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = write(signalPipe[1], &byte, 1);
}

// The end of the desktop session (SIGTERM, SIGHUP) and Ctrl+C close the window as "E&xit"
// does, so the settings are saved the same way.
void CloseOnTermination(QWidget* window) {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t ignored = read(signalPipe[0], &byte, 1);
        window->close();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        sigaction(signal, &action, nullptr);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // One copy only when the user asked for it; the test reads the setting with the default 0,
    // so without a settings file a second copy runs.
    if (tarnwick::IsSecondCopy(tarnwick::kMonitorMutex) &&
        tarnwick::ReadBool(tarnwick::LoadProfile(tarnwick::SettingsFilePath()), "main", "onecopy",
                           false)) {
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnwick"));
    QApplication::setQuitOnLastWindowClosed(false);  // the window may hide behind the tray icon

    tarnwick::platform::LinuxProcessorFigures processor;
    tarnwick::platform::LinuxMemoryFigures memory;
    tarnwick::platform::LinuxProcessPriority priority;
    tarnwick::QtTrayIcon tray;
    tarnwick::QtDesktop desktop;

    tarnwick::MonitorServices services;
    services.processor = &processor;
    services.memory = &memory;
    services.priority = &priority;
    services.tray = &tray;
    services.desktop = &desktop;
    services.programFolder = tarnwick::platform::ProgramFolder();
    services.autostartFolder = tarnwick::AutostartFolder();
    services.runtimeFolder = tarnwick::platform::RuntimeFolder();

    tarnwick::TfrMain window(services);
    CloseOnTermination(&window);
    // A desktop that logs out through session management asks first: save as "E&xit" does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.SaveOpt(); });
    window.FormCreate();
    if (window.ShowMainWindow()) {
        window.show();
    }
    return app.exec();
}
