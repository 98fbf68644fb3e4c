// Opens the events editor on its own with the real dialogs and tones, for screenshots and
// trying it by hand: events_editor_demo <events.cfg> [entry to choose]
#include <QApplication>
#include <QComboBox>

#include <cstdlib>

#include "common/ui/dialogs.h"
#include "settings/events/events_editor.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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
