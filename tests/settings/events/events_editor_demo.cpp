// Opens the events editor on its own with the real dialogs and tones, for screenshots and
// trying it by hand: events_editor_demo <events.cfg> [entry to choose]. It speaks the language
// of the locale, as the settings program does.
#include <QApplication>
#include <QComboBox>

#include <cstdlib>

#include "common/ui/dialogs.h"
#include "common/ui/translations.h"
#include "settings/events/events_editor.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tarnwick::LoadTranslations(app, {QStringLiteral("tarnwick"), QStringLiteral("tarnwickcfg")});
    if (argc < 2) {
        return 2;
    }
    tarnwick::QtDialogs dialogs;
    tarnwick::cfg::SettingsServices services;
    services.dialogs = &dialogs;
    services.eventsFile = argv[1];
    tarnwick::cfg::TfrEvents editor(services);
    dialogs.SetOwner(&editor);
    QObject::connect(&editor, &tarnwick::cfg::TfrEvents::closed, &app, &QApplication::quit);
    editor.show();
    if (argc > 2) {
        editor.findChild<QComboBox*>(QStringLiteral("cmNames"))
            ->setCurrentIndex(std::atoi(argv[2]));
    }
    return app.exec();
}
