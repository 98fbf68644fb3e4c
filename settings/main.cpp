// The settings program: the settings window, the skin editor and the events editor, one copy
// per user.
#include <QApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

#include "common/autorun.h"
#include "common/command_line.h"
#include "common/datafolder.h"
#include "common/first_start.h"
#include "common/single_copy.h"
#include "common/ui/dialogs.h"
#include "common/ui/translations.h"
#include "common/window_system.h"
#include "data/app_icon.h"
#include "platform/process.h"
#include "settings/config/mainwindow.h"
#include "settings/config/program.h"

namespace {

// The command word: the first argument that is no option ("about", "skineditor",
// "eventseditor"); the program ignores everything else, as it ignores an unknown word.
QString CommandWord(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') {
            return QString::fromLocal8Bit(argv[i]);
        }
        if (std::strcmp(argv[i], "--") == 0) {
            return i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        }
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    // --help and --version answer and end before the single-copy test and without a display.
    const tarnwick::InfoOptionsResult info = tarnwick::InfoOptions(
        argc, argv, "TarnwickCfg",
        "Tarnwick Settings: the settings window (no word), \"about\", \"skineditor\" or "
        "\"eventseditor\".",
        "[about | skineditor | eventseditor]");
    if (info.exit) {
        std::fputs(info.output.c_str(), stdout);
        return 0;
    }
    const QString word = CommandWord(argc, argv);
    // A second copy ends at once and silently, whatever its word.
    if (tarnwick::IsSecondCopy(tarnwick::kSettingsMutex)) {
        return 0;
    }
    // The same window system as the monitor's, so both programs behave alike in one session.
    const tarnwick::WindowSystemStart windowSystem =
        tarnwick::PrepareWindowSystem(argc, argv, "TarnwickCfg");
    if (!windowSystem.canStart) {
        return 1;
    }
    QApplication app(argc, argv);
    tarnwick::ForgetWindowSystemChoice(windowSystem);
    // Before any window is made, so they are made in the user's language.
    tarnwick::LoadTranslations(app, {QStringLiteral("tarnwick"), QStringLiteral("tarnwickcfg")});
    QApplication::setApplicationName(QStringLiteral("TarnwickCfg"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnwick Settings"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tarnwick::kSettingsAppId));
    QApplication::setWindowIcon(tarnwick::AppIcon());
    // The settings window ends the program, even while an editor is shown.
    QApplication::setQuitOnLastWindowClosed(false);

    // The settings window shows the first start's settings too, when the user opens it before
    // the monitor ever ran.
    if (tarnwick::EnsureDataFolder().empty()) {
        tarnwick::CopySystemSettingsOnFirstStart();
    }
    tarnwick::QtDialogs dialogs;
    tarnwick::cfg::SettingsServices services;
    services.dialogs = &dialogs;
    services.settingsFile = tarnwick::SettingsFilePath();
    services.eventsFile = tarnwick::EventsFilePath();
    services.programFolder = tarnwick::platform::ProgramFolder();
    services.autostartFolder = tarnwick::AutostartFolder();
    services.runtimeFolder = tarnwick::platform::RuntimeFolder();

    tarnwick::cfg::SettingsProgram program(services);
    dialogs.SetOwner(&program.settingsWindow());
    QObject::connect(&program, &tarnwick::cfg::SettingsProgram::finished, &app,
                     &QCoreApplication::quit);
    program.Start(word);
    return app.exec();
}
