#include "monitor/events/events_controller.h"

#include <algorithm>
#include <utility>

#include "common/errors.h"
#include "common/events_file.h"
#include "common/profile_file.h"

namespace tarnwick {

namespace {

// A message that names the process behind its resource.
std::optional<CulpritMeasure> CulpritOf(const TEventRec& rec) {
    const std::optional<Resource> resource = rec.Watched();
    if (!rec.Culprit || rec.Does() != EventAction::Message || !resource) {
        return std::nullopt;
    }
    return CulpritMeasureOf(*resource);
}

}  // namespace

EventsController::EventsController(QMenu* eventsMenu, Measures& measures, const CpuFigures& cpu,
                                   EventActions& actions, std::function<void()> closeMonitor,
                                   std::string eventsPath, QObject* parent)
    : QObject(parent),
      menu_(eventsMenu),
      values_(measures, cpu),
      actions_(actions),
      closeMonitor_(std::move(closeMonitor)),
      path_(std::move(eventsPath)),
      ownPressure_(platform::MakeSystemPressureFigures()) {
    values_.SetPressure(ownPressure_.get());
}

void EventsController::SetPressureFigures(platform::PressureFigures& pressure) {
    values_.SetPressure(&pressure);
}

EventsController::~EventsController() {
    for (const QPointer<QAction>& item : items_) {
        delete item.data();
    }
}

void EventsController::SetProcessTable(platform::ProcessTable& table,
                                       std::chrono::milliseconds interval) {
    processes_ = &table;
    culpritInterval_ = interval;
}

void EventsController::LoadEvents() {
    table_ = tarnwick::LoadEvents(LoadEventsFile(path_));
    ++generation_;
    // The watch stays once made: a reload must not drop a message that waits for its line.
    if (!culprits_ && std::any_of(table_.begin(), table_.end(), [](const TEventRec& rec) {
            return CulpritOf(rec).has_value();
        })) {
        if (processes_ == nullptr) {
            ownProcesses_ = platform::MakeSystemProcessTable();
            processes_ = ownProcesses_.get();
        }
        culprits_ = std::make_unique<CulpritWatch>(*processes_, this, culpritInterval_);
    }
}

void EventsController::EventsList() {
    for (const QPointer<QAction>& item : items_) {
        delete item.data();  // leaves the submenu with it
    }
    items_.assign(table_.size(), nullptr);
    if (!menu_) {
        return;
    }
    QList<QAction*> made;
    made.reserve(static_cast<qsizetype>(table_.size()));
    for (std::size_t i = 0; i < table_.size(); ++i) {
        auto* item = new QAction(table_[i].Name, menu_);
        item->setObjectName(QStringLiteral("pmEvent%1").arg(i + 1));
        item->setData(static_cast<qulonglong>(i + 1));
        item->setCheckable(true);
        item->setChecked(table_[i].Active);
        // Qt has already toggled the tick when triggered arrives.
        connect(item, &QAction::triggered, this,
                [this, i](bool checked) { ApplyTick(i, checked); });
        items_[i] = item;
        made.push_back(item);
    }
    // All at the top at once, event 1 first: one insertion instead of one per event.
    const QList<QAction*> present = menu_->actions();
    menu_->insertActions(present.isEmpty() ? nullptr : present.first(), made);
}

void EventsController::ApplyTick(std::size_t index, bool checked) {
    if (index >= table_.size()) {
        return;
    }
    TEventRec& rec = table_[index];
    rec.Active = checked;
    rec.Elapsed = 0;
    rec.DoneThisRun = false;
    try {
        WriteEventActive(path_, static_cast<std::int32_t>(index + 1), checked);
    } catch (const UserError& error) {
        // The event stays as the user set it for this run; only the file missed the change.
        emit writeFailed(QString::fromStdString(error.what()));
    }
}

void EventsController::EventsMenuClick(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table_.size()) {
        return;
    }
    const auto at = static_cast<std::size_t>(index);
    bool checked = !table_[at].Active;
    if (QAction* item = items_.size() > at ? items_[at].data() : nullptr) {
        item->setChecked(!item->isChecked());
        checked = item->isChecked();
    }
    ApplyTick(at, checked);
}

void EventsController::miRefEventsClick() {
    LoadEvents();
    EventsList();
}

void EventsController::CheckEvents() {
    // An error box of a failed write runs a loop of its own, in which the timer may tick
    // again; one check at a time.
    if (checking_) {
        return;
    }
    checking_ = true;
    QPointer<EventsController> self(this);
    const unsigned generation = generation_;
    values_.NewTick();
    for (std::size_t i = 0; i < table_.size(); ++i) {
        TEventRec& rec = table_[i];
        if (!rec.Active || rec.DoneThisRun) {
            continue;
        }
        const std::optional<std::int64_t> value = values_.ValueOf(rec);
        if (!value) {
            // No figure (a number that names nothing, a pressure the system does not tell):
            // the condition is not known to hold, so the count starts again.
            rec.Elapsed = 0;
            continue;
        }
        if (!CountTick(rec, *value)) {
            continue;
        }
        Fire(i);
        if (!self) {
            return;  // the monitor closed and took us with it
        }
        if (generation != generation_) {
            break;  // reloaded meanwhile: the rest of the table is new and waits for next tick
        }
    }
    if (culprits_) {
        WatchCulprits();
    }
    checking_ = false;
}

void EventsController::WatchCulprits() {
    CulpritMeasures holding{};
    for (const TEventRec& rec : table_) {
        if (rec.Active && !rec.DoneThisRun && rec.Elapsed > 0) {
            if (const std::optional<CulpritMeasure> measure = CulpritOf(rec)) {
                holding[IndexOf(*measure)] = true;
            }
        }
    }
    culprits_->Want(holding);
}

void EventsController::Fire(std::size_t index) {
    // A copy: a failed write below shows a box, during which the table may be reloaded.
    const TEventRec event = table_[index];
    if (const std::optional<ExecuteMethod> method = event.Method()) {
        switch (*method) {
            case ExecuteMethod::OneTime:
                EventsMenuClick(static_cast<int>(index));
                break;
            case ExecuteMethod::OncePerSession:
                table_[index].DoneThisRun = true;
                break;
            case ExecuteMethod::Permanently:
                table_[index].Elapsed = 0;
                break;
        }
    }  // another method counts on and fires again after the condition has failed once
    if (event.Does() == EventAction::CloseMonitor) {
        if (closeMonitor_) {
            closeMonitor_();
        }
    } else if (const std::optional<CulpritMeasure> measure = CulpritOf(event);
               measure && culprits_) {
        // The message shows once its line is known: at once, or after the next reading.
        culprits_->Ask(*measure, [this, event, measure](const Culprit& culprit) {
            TEventRec shown = event;
            shown.MessageText = WithLine(event.MessageText, CulpritLine(*measure, culprit));
            actions_.Carry(shown);
        });
    } else {
        actions_.Carry(event);
    }
}

}  // namespace tarnwick
