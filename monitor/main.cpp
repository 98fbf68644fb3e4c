// The monitor program: one small window, a tray icon and the timers that drive them.
#include <QApplication>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>
#include <string>

#include "common/autorun.h"
#include "common/command_line.h"
#include "common/datafolder.h"
#include "common/first_start.h"
#include "common/profile_file.h"
#include "common/programs.h"
#include "common/settings.h"
#include "common/single_copy.h"
#include "common/ui/dialogs.h"
#include "common/ui/translations.h"
#include "common/window_system.h"
#include "data/app_icon.h"
#include "monitor/tray/tray_icon.h"
#include "monitor/window/mainwindow.h"
#include "platform/figures.h"
#include "platform/process.h"
#include "platform/session.h"

int main(int argc, char* argv[]) {
    // --help and --version answer and end before anything else: no display, no second copy
    // test, no settings file.
    const tarnwick::InfoOptionsResult info = tarnwick::InfoOptions(
        argc, argv, "Tarnwick",
        "A small monitor of processor, memory, swap and virtual memory usage in a window "
        "and the tray.");
    if (info.exit) {
        std::fputs(info.output.c_str(), stdout);
        return 0;
    }
    // One copy only when the user asked for it; the test reads the setting with the default 0,
    // so without a settings file a second copy runs.
    const std::string settingsFile = tarnwick::SettingsFilePath();
    if (tarnwick::IsSecondCopy(tarnwick::kMonitorMutex) &&
        tarnwick::OneCopyAtStart(tarnwick::LoadProfile(settingsFile))) {
        return 0;
    }
    // The window is tiny: a plain upload of its picture costs less than shared memory, for
    // which Qt waits on the X server before every paint. Only for this process, so the
    // programs it starts get the environment it was given.
    // On a Wayland desktop with XWayland the window runs on X11, where it can keep its place;
    // on a compositor with the layer shell it goes on a layer of its own.
    const tarnwick::WindowSystemStart windowSystem =
        tarnwick::PrepareWindowSystem(argc, argv, "Tarnwick", true);
    if (!windowSystem.canStart) {
        return 1;
    }
    const bool ownShm = !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (ownShm) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    QApplication app(argc, argv);
    if (ownShm) {
        qunsetenv("QT_XCB_NO_MITSHM");
    }
    tarnwick::ForgetWindowSystemChoice(windowSystem);
    // Before any window or menu is made, so they are made in the user's language.
    tarnwick::LoadTranslations(app, {QStringLiteral("tarnwick")});
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnwick"));
    QApplication::setQuitOnLastWindowClosed(false);  // the window may hide behind the tray icon
    // The desktop (and a Wayland compositor) matches the window to its menu entry by this.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tarnwick::kAppId));
    QApplication::setWindowIcon(tarnwick::AppIcon());

    const auto processor = tarnwick::platform::MakeSystemProcessorFigures();
    const auto memory = tarnwick::platform::MakeSystemMemoryFigures();
    const auto priority = tarnwick::platform::MakeSystemProcessPriority();
    const auto samplingClock = tarnwick::platform::MakeSystemSamplingClock();
    tarnwick::QtTrayIcon tray;
    tarnwick::QtDialogs dialogs;

    tarnwick::MonitorServices services;
    services.processor = processor.get();
    services.memory = memory.get();
    services.priority = priority.get();
    services.samplingClock = samplingClock.get();
    services.tray = &tray;
    services.dialogs = &dialogs;
    // The data folder is chosen and made before the window reads its settings from it.
    if (const std::string problem = tarnwick::EnsureDataFolder(); !problem.empty()) {
        tarnwick::platform::LogError(problem + ".");  // said once; the monitor goes on
    }
    // A user without a settings file starts with the system-wide one, copied once.
    tarnwick::CopySystemSettingsOnFirstStart();
    services.settingsFile = tarnwick::SettingsFilePath();
    services.eventsFile = tarnwick::EventsFilePath();
    services.programFolder = tarnwick::platform::ProgramFolder();
    services.autostartFolder = tarnwick::AutostartFolder();
    services.runtimeFolder = tarnwick::platform::RuntimeFolder();
    services.layerSurface = windowSystem.layerShell;

    tarnwick::TfrMain window(services);
    // The end of the desktop session and Ctrl+C close the window as "E&xit" does, so the
    // settings are saved the same way.
    tarnwick::platform::WatchTermination(&window, [&window] {
        window.SessionEnding();
        window.close();
    });
    // A desktop that logs out through session management asks first: save as "E&xit" does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) {
                         window.SessionEnding();
                         window.SaveOpt();
                     });
    window.FormCreate();
    if (window.ShowMainWindow()) {
        window.show();
    }
    // What start-up freed (font and skin loading, the first paints) goes back once they are over.
    QTimer::singleShot(2000, &app, &tarnwick::platform::ReturnFreedMemory);
    return app.exec();
}
