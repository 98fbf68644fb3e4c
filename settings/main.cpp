// The settings program: the settings window, the skin editor and the events editor, one copy
// per user.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include "common/autorun.h"
#include "common/datafolder.h"
#include "common/single_copy.h"
#include "common/ui/dialogs.h"
#include "platform/process.h"
#include "settings/config/mainwindow.h"
#include "settings/config/program.h"

namespace {

// --help and --version print and end the program; anything else is the command word. Runs
// before the window system is asked for, so it works without a display.
QString CommandWord(int argc, char* argv[]) {
    QCoreApplication probe(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("TarnwickCfg"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.5"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Tarnwick Settings: the settings window, the skin editor and the events editor."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("word"),
                                 QStringLiteral("about, skineditor or eventseditor"));
    parser.process(probe);
    const QStringList words = parser.positionalArguments();
    return words.isEmpty() ? QString() : words.first();
}

}  // namespace

int main(int argc, char* argv[]) {
    const QString word = CommandWord(argc, argv);
    // A second copy ends at once and silently, whatever its word.
    if (tarnwick::IsSecondCopy(tarnwick::kSettingsMutex)) {
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TarnwickCfg"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarnwick Settings"));
    // The settings window ends the program, even while an editor is shown.
    QApplication::setQuitOnLastWindowClosed(false);

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
