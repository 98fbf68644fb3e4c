#include "settings/events/event_record.h"

#include <QCoreApplication>
#include <algorithm>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/profile_file.h"
#include "common/texts.h"

namespace tarnwick::cfg {

namespace {

// The events editor's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EventsEditor)
};

QString Text(const std::string& value) {
    return QString::fromStdString(value);
}

QString Number(std::int32_t value) {
    return QString::number(value);
}

// "Apply" takes each number field as an integer; what does not convert stops it.
std::int32_t IntegerOf(const QString& field) {
    const std::string text = field.toStdString();
    if (IsIntegerText(text)) {
        if (const std::optional<std::int32_t> value = ParseProfileInteger(text)) {
            return *value;
        }
    }
    throw ConvertError(text);
}

const char* LoopWord(LoopKind loop) {
    switch (loop) {
        case LoopKind::Time:
            return "time";
        case LoopKind::Count:
            return "count";
        case LoopKind::Infinity:
            break;
    }
    return "infinity";
}

}  // namespace

int PageOfAction(int action) {
    switch (EventActionFromNumber(action).value_or(EventAction::None)) {
        case EventAction::Message:
            return 1;
        case EventAction::StartProgram:
            return 2;
        case EventAction::OpenDocument:
            return 3;
        case EventAction::OpenFolder:
            return 4;
        default:
            return 0;  // no parameters
    }
}

QStringList LoadEventsNames(const std::string& eventsFile) {
    const ProfileText file = LoadProfile(eventsFile);
    const std::int32_t count = EventCount(file);
    QStringList names{Text::tr("New event")};
    names.reserve(count + 1);
    // An event without a name reads "Event N" in every language: "Apply" writes the name field,
    // which shows the same, back into the file.
    for (std::int32_t n = 1; n <= count; ++n) {
        names << Text(ReadString(file, EventSection(n), "name", "Event " + std::to_string(n)));
    }
    return names;
}

EventForm CleanedForm(int resource) {
    EventForm form;
    form.resource = resource;
    form.freq = QStringLiteral("1500");
    form.time = QStringLiteral("500");
    form.pause = QStringLiteral("1000");
    return form;
}

EventForm LoadEvent(const std::string& eventsFile, std::int32_t n) {
    const EventEntry entry = ReadEvent(LoadProfile(eventsFile), n, EventDefaults::Editor);
    const EventKeys& e = entry.event;
    // A number that names nothing shows as the nearest resource, as it always has.
    const bool named = ResourceFromNumber(e.event) || PressureFromNumber(e.event);
    EventForm form = CleanedForm(named ? e.event : std::clamp(e.event, 0, kResourceCount - 1));
    form.name = Text(e.name);
    // The monitor reads these two as truth values and does nothing for an unknown action; a
    // pressure is in percent whatever the file says.
    form.biglit = e.biglit != 0 ? 1 : 0;
    form.measure = e.measure != 0 && !PressureFromNumber(e.event) ? 1 : 0;
    form.action = NumberOf(EventActionFromNumber(e.action).value_or(EventAction::None));
    form.execute = std::clamp(e.execute, 0, kExecuteMethodCount - 1);
    form.value = Number(e.value);
    form.hour = Number(e.hour);
    form.min = Number(e.min);
    form.sec = Number(e.sec);
    form.active = e.active;

    const ActionKeys& a = entry.action;
    switch (EventActionFromNumber(form.action).value_or(EventAction::None)) {
        case EventAction::Message: {
            form.autotext = a.autotext;
            QStringList lines;
            for (const std::string& line : a.lines) {
                lines << Text(line);
            }
            form.info = lines.join(QLatin1Char('\n'));
            form.sound = a.sound;
            form.freq = Number(a.freq);
            form.time = Number(a.time);
            form.pause = Number(a.pause);
            if (a.loop == "time") {
                form.loop = LoopKind::Time;
                form.loopHour = Number(a.hour);
                form.loopMin = Number(a.min);
                form.loopSec = Number(a.sec);
            } else if (a.loop == "count") {
                form.loop = LoopKind::Count;
                form.loopCount = Number(a.loopcount);
            } else {
                form.loop = LoopKind::Infinity;
            }
            form.culprit = a.culprit;
            form.notify = a.notify;
            break;
        }
        case EventAction::StartProgram:
            form.exec = Text(a.execute);
            form.param = Text(a.parameters);
            break;
        case EventAction::OpenDocument:
            form.doc = Text(a.document);
            break;
        case EventAction::OpenFolder:
            form.folder = Text(a.folder);
            break;
        default:
            break;
    }
    return form;
}

QStringList MessageLines(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.back().isEmpty()) {
        lines.pop_back();
    }
    return lines;
}

EventEntry EntryOf(const EventForm& form) {
    EventEntry entry;
    EventKeys& e = entry.event;
    e.name = form.name.toStdString();
    e.event = form.resource;
    e.biglit = form.biglit;
    e.value = IntegerOf(form.value);
    e.measure = PressureFromNumber(form.resource) ? 0 : form.measure;
    e.hour = IntegerOf(form.hour);
    e.min = IntegerOf(form.min);
    e.sec = IntegerOf(form.sec);
    e.action = form.action;
    e.execute = form.execute;
    e.active = form.active;

    ActionKeys& a = entry.action;
    switch (EventActionFromNumber(form.action).value_or(EventAction::None)) {
        case EventAction::Message:
            a.autotext = form.autotext;
            for (const QString& line : MessageLines(form.info)) {
                a.lines.push_back(line.toStdString());
            }
            a.sound = form.sound;
            a.freq = IntegerOf(form.freq);
            a.time = IntegerOf(form.time);
            a.pause = IntegerOf(form.pause);
            a.loop = LoopWord(form.loop);
            if (form.loop == LoopKind::Time) {
                a.hour = IntegerOf(form.loopHour);
                a.min = IntegerOf(form.loopMin);
                a.sec = IntegerOf(form.loopSec);
            } else if (form.loop == LoopKind::Count) {
                a.loopcount = IntegerOf(form.loopCount);
            }
            a.culprit = form.culprit;
            a.notify = form.notify;
            break;
        case EventAction::StartProgram:
            a.execute = form.exec.toStdString();
            a.parameters = form.param.toStdString();
            break;
        case EventAction::OpenDocument:
            a.document = form.doc.toStdString();
            break;
        case EventAction::OpenFolder:
            a.folder = form.folder.toStdString();
            break;
        default:
            break;
    }
    return entry;
}

std::int32_t SaveEvent(const std::string& eventsFile, std::int32_t n, const EventForm& form) {
    // Converted whole before the file is touched.
    const EventEntry entry = EntryOf(form);
    return WriteEvent(eventsFile, n, entry);
}

}  // namespace tarnwick::cfg
