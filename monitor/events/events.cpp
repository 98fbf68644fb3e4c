#include "monitor/events/events.h"

#include <QProcess>

#include <algorithm>

#include "common/numbers.h"

namespace tarnwick {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

std::uint8_t InRangeOr255(std::int32_t value, std::int32_t highest) {
    return value >= 0 && value <= highest ? static_cast<std::uint8_t>(value) : kOutOfRange;
}

// Megabytes of a total that the rounded percentage stands for.
std::int64_t MegabytesOf(std::int64_t total, std::int32_t percent) {
    return RoundHalfEven(static_cast<long double>(total) * percent / 100.0L / 1048576.0L);
}

}  // namespace

std::int32_t CyclesIn(std::int64_t milliseconds, std::int32_t impulse, std::int32_t pause) {
    const std::int64_t cycle = static_cast<std::int64_t>(impulse) + pause;
    if (cycle <= 0) {
        return 1;
    }
    const std::int64_t cycles =
        RoundHalfEven(static_cast<long double>(milliseconds) / static_cast<long double>(cycle));
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(cycles, INT32_MIN, INT32_MAX));
}

TEventRec MakeEventRec(const EventEntry& entry) {
    const EventKeys& e = entry.event;
    const ActionKeys& a = entry.action;
    TEventRec rec;
    rec.Name = QString::fromStdString(e.name);
    rec.EventType = InRangeOr255(e.event, kEventResourceCount - 1);
    rec.MoreThan = e.biglit == 0;
    rec.Threshold = e.value;
    // A pressure is a share and has no absolute unit: a file that says otherwise still means
    // percent, as its automatic text says.
    rec.InPercent = e.measure == 0 || rec.Pressured().has_value();
    rec.Duration = DurationOf(e.hour, e.min, e.sec);
    rec.Action = InRangeOr255(e.action, kEventActionCount - 1);
    rec.ExecuteMode = InRangeOr255(e.execute, 254);
    rec.Active = e.active;

    switch (rec.Does().value_or(EventAction::None)) {
        case EventAction::Message:
            if (a.autotext) {
                rec.MessageText = AutomaticText(e);
            } else {
                for (const std::string& line : a.lines) {
                    rec.MessageText += QString::fromStdString(line) + kCrLf;
                }
            }
            rec.Culprit = a.culprit;
            rec.Notify = a.notify;
            rec.Sound = a.sound;
            rec.Freq = a.freq;
            rec.ImpulseTime = a.time;
            rec.Pause = a.pause;
            if (a.loop == "time") {
                const std::int64_t seconds = static_cast<std::int64_t>(a.hour) * 3600 +
                                             static_cast<std::int64_t>(a.min) * 60 + a.sec;
                rec.LoopCount = CyclesIn(seconds * 1000, rec.ImpulseTime, rec.Pause);
            } else if (a.loop == "count") {
                rec.LoopCount = a.loopcount;
            } else {
                rec.Infinite = true;
            }
            break;
        case EventAction::StartProgram:
            // The path is one program even with blanks in it; only the parameters are split.
            rec.Target = QString::fromStdString(a.execute);
            rec.Arguments = QProcess::splitCommand(QString::fromStdString(a.parameters));
            break;
        case EventAction::OpenDocument:
            rec.Target = QString::fromStdString(a.document);
            break;
        case EventAction::OpenFolder:
            rec.Target = QString::fromStdString(a.folder);
            break;
        default:
            break;  // the other actions need nothing from [actionN]
    }
    return rec;
}

EventTable LoadEvents(const ProfileText& file) {
    EventTable table;
    const std::vector<EventEntry> entries = ReadEvents(file, EventDefaults::Monitor);
    table.reserve(entries.size());
    for (const EventEntry& entry : entries) {
        table.push_back(MakeEventRec(entry));
    }
    return table;
}

void EventValues::NewTick() {
    refreshed_ = false;
    pressureRead_.fill(false);
}

std::int64_t EventValues::Value(Resource resource, bool inPercent) {
    if (resource != Resource::Processor && !refreshed_) {
        measures_.RefreshMemoryStatus();  // once a tick, for all events together
        refreshed_ = true;
    }
    const std::int32_t percent = measures_.UsageOf(resource);
    if (inPercent) {
        return percent;
    }
    if (resource == Resource::Processor) {
        return RoundHalfEven(static_cast<long double>(cpu_.CPUSpeed) * cpu_.CPUUsage / 100.0L);
    }
    return MegabytesOf(measures_.TotalOf(resource), percent);
}

std::optional<std::int64_t> EventValues::Value(Pressure pressure) {
    const std::size_t index = IndexOf(pressure);
    if (!pressureRead_[index]) {
        pressureRead_[index] = true;
        std::int32_t hundredths = 0;
        const bool told =
            pressure_ != nullptr &&
            pressure_->ReadSomeShare(static_cast<platform::StallResource>(index), hundredths);
        pressureValue_[index] =
            told ? std::optional<std::int64_t>(RoundHalfEven(hundredths / 100.0L)) : std::nullopt;
    }
    return pressureValue_[index];
}

std::optional<std::int64_t> EventValues::ValueOf(const TEventRec& rec) {
    if (const std::optional<Resource> resource = rec.Watched()) {
        return Value(*resource, rec.InPercent);
    }
    if (const std::optional<Pressure> pressure = rec.Pressured()) {
        return Value(*pressure);
    }
    return std::nullopt;
}

bool CountTick(TEventRec& rec, std::int64_t value) {
    const bool holds = rec.MoreThan ? value > rec.Threshold : value < rec.Threshold;
    rec.Elapsed = holds ? rec.Elapsed + 1 : 0;
    if (rec.Duration == 0) {
        return holds;
    }
    return rec.Elapsed == rec.Duration;
}

}  // namespace tarnwick
