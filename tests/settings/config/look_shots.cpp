// Opens the settings program's three windows with the application font at a given size, and
// optionally a dark palette, as another desktop would give them, and saves a picture of each
// page: <folder>/<name>-settings<k>.png, <name>-skin<k>.png and <name>-events.png, and
// <name>-hover.png, the About page with the mouse over its first link.
// Usage: look_shots <folder> <name> <point size> [dark]. Run by tools/screenshot-look.sh.
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QStackedWidget>
#include <QTemporaryDir>

#include <cstdio>

#include "common/ui/dialogs.h"
#include "settings/config/mainwindow.h"
#include "settings/events/events_editor.h"
#include "settings/skin/skin_editor.h"

namespace {

QPalette DarkPalette() {
    QPalette dark(QColor("#353535"), QColor("#202020"));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor("#2a2a2a"));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Link, QColor("#8ab4f8"));
    dark.setColor(QPalette::LinkVisited, QColor("#c58af9"));
    return dark;
}

bool Save(QWidget& window, const QString& path) {
    QApplication::processEvents();
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Saves one picture per page of the window's page area.
bool SavePages(QWidget& window, const char* area, const QString& stem) {
    window.show();
    auto* pages = window.findChild<QStackedWidget*>(QLatin1String(area));
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        if (!Save(window, stem + QString::number(i + 1) + QStringLiteral(".png"))) {
            return false;
        }
    }
    window.hide();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: look_shots <folder> <name> <point size> [dark]\n");
        return 2;
    }
    const QString stem = QDir(QString::fromLocal8Bit(argv[1]))
                             .filePath(QString::fromLocal8Bit(argv[2]) + QLatin1Char('-'));
    QFont font = QApplication::font();
    font.setPointSizeF(QString::fromLatin1(argv[3]).toDouble());
    QApplication::setFont(font);
    if (argc > 4 && QLatin1String(argv[4]) == QLatin1String("dark")) {
        QApplication::setPalette(DarkPalette());
    }

    QTemporaryDir data;
    tarnwick::QtDialogs dialogs;
    tarnwick::cfg::SettingsServices services;
    services.dialogs = &dialogs;
    services.settingsFile = data.filePath(QStringLiteral("tarnwick.cfg")).toStdString();
    services.eventsFile = data.filePath(QStringLiteral("events.cfg")).toStdString();
    services.programFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
    services.autostartFolder = data.filePath(QStringLiteral("autostart")).toStdString() + "/";

    tarnwick::cfg::TfrMain settings(services);
    settings.FormCreate();
    std::printf("settings window %dx%d\n", settings.width(), settings.height());
    if (!SavePages(settings, "nbPages", stem + QStringLiteral("settings"))) {
        return 1;
    }
    settings.show();
    settings.SelectPage(tarnwick::cfg::TfrMain::kAboutPage);
    QWidget* link = settings.findChild<QWidget*>(QStringLiteral("lbSite"));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(link, &enter);
    if (!Save(settings, stem + QStringLiteral("hover.png"))) {
        return 1;
    }
    settings.hide();

    tarnwick::cfg::TfrSkin skinEditor(services);
    std::printf("skin editor %dx%d\n", skinEditor.width(), skinEditor.height());
    if (!SavePages(skinEditor, "Notebook1", stem + QStringLiteral("skin"))) {
        return 1;
    }
    tarnwick::cfg::TfrEvents eventsEditor(services);
    std::printf("events editor %dx%d\n", eventsEditor.width(), eventsEditor.height());
    eventsEditor.show();
    return Save(eventsEditor, stem + QStringLiteral("events.png")) ? 0 : 1;
}
