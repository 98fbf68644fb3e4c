#pragma once

#include <QWidget>

#include "settings/services.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tarnwick::cfg {

// Page 6 "Events": the events of the events file with a box that switches each on or off at
// once, "Delete event" and the way to the events editor.
class EventsPage : public QWidget {
    Q_OBJECT
public:
    EventsPage(const SettingsServices& services, QWidget* parent);

    // Refills the list from the events file and selects the first row.
    void LoadEventsNames();

    QPushButton* eventsEditorButton() const { return btEventsEditor_; }

signals:
    // An event was deleted and the list reloaded: the monitors must read the events again.
    void eventDeleted();

private:
    void lbEventsClickCheck(QListWidgetItem* item);
    void DeleteEvent();

    SettingsServices services_;
    QListWidget* lbEvents_;
    QPushButton* btDelete_;
    QPushButton* btEventsEditor_;
};

}  // namespace tarnwick::cfg
