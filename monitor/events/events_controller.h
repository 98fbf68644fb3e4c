#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/datafolder.h"
#include "monitor/events/actions.h"
#include "monitor/events/culprit_watch.h"
#include "monitor/events/events.h"
#include "platform/pressure.h"
#include "platform/processes.h"

namespace tarnwick {

// The events of the monitor: the table, its items in the Events submenu and the check once a
// second. The window owns one and calls it from its reload hook and its EventsTimer.
class EventsController : public QObject {
    Q_OBJECT
public:
    // eventsMenu: the Events submenu; the event items go to its top, above "&Update the list".
    // closeMonitor: what "E&xit" does, for action 5.
    EventsController(QMenu* eventsMenu, Measures& measures, const CpuFigures& cpu,
                     EventActions& actions, std::function<void()> closeMonitor,
                     std::string eventsPath = EventsFilePath(), QObject* parent = nullptr);
    ~EventsController() override;

    // Rebuilds the table from the events file, every counter at 0.
    void LoadEvents();
    // Rebuilds the event items pmEvent1.. of the submenu from the table.
    void EventsList();
    // The click on the item of the event at index: toggles its tick, restarts its count and
    // writes `active`.
    void EventsMenuClick(int index);
    // "&Update the list" and the refresh message: LoadEvents, then EventsList.
    void miRefEventsClick();
    // One tick of EventsTimer: counts and fires every active event.
    void CheckEvents();

    const EventTable& Table() const { return table_; }

    // Where pressure events read their figures (the system's unless given); they outlive the
    // controller.
    void SetPressureFigures(platform::PressureFigures& pressure);
    // Where the culprits of messages are looked for (the system's process table unless
    // given; it outlives the controller), and how often it is read while wanted. Before the
    // first LoadEvents.
    void SetProcessTable(platform::ProcessTable& table,
                         std::chrono::milliseconds interval = std::chrono::seconds(1));

signals:
    // A write of the events file failed; text is the error box's text.
    void writeFailed(const QString& text);

private:
    void ApplyTick(std::size_t index, bool checked);
    void Fire(std::size_t index);
    // Tells the culprit watch which culprits the events whose conditions hold will ask for.
    void WatchCulprits();

    QPointer<QMenu> menu_;
    EventValues values_;
    EventActions& actions_;
    std::function<void()> closeMonitor_;
    std::string path_;
    // Opens nothing until a pressure event is checked.
    std::unique_ptr<platform::PressureFigures> ownPressure_;
    EventTable table_;
    std::vector<QPointer<QAction>> items_;  // parallel to table_
    unsigned generation_ = 0;               // grows with every load
    bool checking_ = false;
    // Made with the first event that names its culprit; the table goes after the watch.
    platform::ProcessTable* processes_ = nullptr;
    std::unique_ptr<platform::ProcessTable> ownProcesses_;
    std::chrono::milliseconds culpritInterval_ = std::chrono::seconds(1);
    std::unique_ptr<CulpritWatch> culprits_;
};

}  // namespace tarnwick
