#include "common/events_file.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "common/domain.h"
#include "common/profile_file.h"

namespace tarnwick {

namespace {

// A count read from the file, limited to what a file of its size can hold.
std::int32_t CapCount(std::int32_t count, std::size_t fileBytes) {
    if (count <= 0) {
        return 0;
    }
    const std::size_t bound = std::min<std::size_t>(kMaxEvents, fileBytes);
    return static_cast<std::int32_t>(std::min<std::size_t>(static_cast<std::size_t>(count), bound));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The number k of a key "line<k>" with k in 1..count written the way the editor writes it
// (no sign, no leading zero); 0 for any other key.
std::size_t MessageLineNumber(std::string_view key, std::size_t count) {
    if (key.size() < 5 || !EqualsIgnoringCase(key.substr(0, 4), "line") || key[4] == '0') {
        return 0;
    }
    std::size_t k = 0;
    for (const char c : key.substr(4)) {
        if (c < '0' || c > '9' || k > count) {
            return 0;
        }
        k = k * 10 + static_cast<std::size_t>(c - '0');
    }
    return k <= count ? k : 0;
}

// line1 .. line<count> of the section in one pass over it, the first of a name winning.
std::vector<std::string> ReadMessageLines(const ProfileText& file, const std::string& section,
                                          std::size_t count) {
    std::vector<std::string> lines(count);
    std::vector<bool> seen(count, false);
    file.ForEachKey(section, [&](std::string_view key, std::string_view value) {
        const std::size_t k = MessageLineNumber(key, count);
        if (k != 0 && !seen[k - 1]) {
            seen[k - 1] = true;
            lines[k - 1] = std::string(value);
        }
    });
    return lines;
}

// lineBudget: how many message lines the events read so far have left to the rest. A file of
// N lines holds at most N message lines, so all events together get no more than that.
EventEntry ReadEventBounded(const ProfileText& file, std::int32_t n, EventDefaults defaults,
                            std::size_t& lineBudget) {
    const bool editor = defaults == EventDefaults::Editor;
    const std::string ev = EventSection(n);
    const std::string ac = ActionSection(n);
    EventEntry entry;
    EventKeys& e = entry.event;
    e.name = ReadString(file, ev, "name", editor ? "Event " + std::to_string(n) : "");
    e.event = ReadInteger(file, ev, "event", 0);
    e.biglit = ReadInteger(file, ev, "biglit", 0);
    e.value = ReadInteger(file, ev, "value", 1);
    e.measure = ReadInteger(file, ev, "measure", 0);
    e.hour = ReadInteger(file, ev, "hour", 0);
    e.min = ReadInteger(file, ev, "min", 0);
    e.sec = ReadInteger(file, ev, "sec", editor ? 0 : 1);
    e.action = ReadInteger(file, ev, "action", 0);
    e.execute = ReadInteger(file, ev, "execute", 0);
    e.active = ReadBool(file, ev, "active", false);

    ActionKeys& a = entry.action;
    a.autotext = ReadBool(file, ac, "autotext", false);
    const std::int32_t linescount = ReadInteger(file, ac, "linescount", 0);
    const std::size_t lines =
        std::min(static_cast<std::size_t>(std::max(linescount, 0)), lineBudget);
    lineBudget -= lines;
    a.lines = ReadMessageLines(file, ac, lines);
    a.sound = ReadBool(file, ac, "sound", false);
    a.freq = ReadInteger(file, ac, "freq", 1500);
    a.time = ReadInteger(file, ac, "time", 500);
    a.pause = ReadInteger(file, ac, "pause", 1000);
    a.loop = ReadString(file, ac, "loop", "time");
    a.hour = ReadInteger(file, ac, "hour", editor ? 1 : 0);
    a.min = ReadInteger(file, ac, "min", editor ? 1 : 0);
    a.sec = ReadInteger(file, ac, "sec", 1);
    a.loopcount = ReadInteger(file, ac, "loopcount", 1);
    a.execute = ReadString(file, ac, "execute", "");
    a.parameters = ReadString(file, ac, "parameters", "");
    a.document = ReadString(file, ac, "document", "");
    a.folder = ReadString(file, ac, "folder", "");
    a.culprit = ReadBool(file, ac, "culprit", false);
    a.notify = ReadBool(file, ac, "notify", false);
    return entry;
}

void EraseEverySection(ProfileText& file, const std::string& name) {
    // A hand-made duplicate would otherwise surface under the number just freed.
    while (file.EraseSection(name)) {
    }
}

}  // namespace

std::string EventSection(std::int32_t n) {
    return "event" + std::to_string(n);
}

std::string ActionSection(std::int32_t n) {
    return "action" + std::to_string(n);
}

std::int32_t EventCount(const ProfileText& file) {
    return CapCount(ReadInteger(file, "main", "count", 0), file.Serialize().size());
}

ProfileText LoadEventsFile(const std::string& path) {
    std::string bytes;
    ReadProfileBytes(path, bytes, platform::FileOwners::UserOrRoot);
    return ProfileText::Parse(bytes);
}

EventEntry ReadEvent(const ProfileText& file, std::int32_t n, EventDefaults defaults) {
    std::size_t lineBudget = file.LineCount();
    return ReadEventBounded(file, n, defaults, lineBudget);
}

std::vector<EventEntry> ReadEvents(const ProfileText& file, EventDefaults defaults) {
    const std::int32_t count = EventCount(file);
    std::size_t lineBudget = file.LineCount();
    std::vector<EventEntry> events;
    events.reserve(static_cast<std::size_t>(count));
    for (std::int32_t n = 1; n <= count; ++n) {
        events.push_back(ReadEventBounded(file, n, defaults, lineBudget));
    }
    return events;
}

std::int32_t WriteEvent(const std::string& path, std::int32_t n, const EventEntry& entry) {
    std::int32_t written = n;
    UpdateProfile(path, [&](ProfileText& file) {
        if (n <= 0) {
            // After the last event the readers see, so an absurd count cannot overflow.
            written = EventCount(file) + 1;
            WriteInteger(file, "main", "count", written);
        }
        const std::string ev = EventSection(written);
        const EventKeys& e = entry.event;
        WriteString(file, ev, "name", e.name);
        WriteInteger(file, ev, "event", e.event);
        WriteInteger(file, ev, "biglit", e.biglit);
        WriteInteger(file, ev, "value", e.value);
        WriteInteger(file, ev, "measure", e.measure);
        WriteInteger(file, ev, "hour", e.hour);
        WriteInteger(file, ev, "min", e.min);
        WriteInteger(file, ev, "sec", e.sec);
        WriteInteger(file, ev, "action", e.action);
        WriteInteger(file, ev, "execute", e.execute);
        WriteBool(file, ev, "active", e.active);

        const std::string ac = ActionSection(written);
        const ActionKeys& a = entry.action;
        switch (EventActionFromNumber(e.action).value_or(EventAction::None)) {
            case EventAction::Message: {
                WriteBool(file, ac, "autotext", a.autotext);
                WriteInteger(file, ac, "linescount", static_cast<std::int32_t>(a.lines.size()));
                for (std::size_t i = 0; i < a.lines.size(); ++i) {
                    WriteString(file, ac, "line" + std::to_string(i + 1), a.lines[i]);
                }
                WriteBool(file, ac, "sound", a.sound);
                WriteInteger(file, ac, "freq", a.freq);
                WriteInteger(file, ac, "time", a.time);
                WriteInteger(file, ac, "pause", a.pause);
                WriteString(file, ac, "loop", a.loop);
                if (a.loop == "time") {
                    WriteInteger(file, ac, "hour", a.hour);
                    WriteInteger(file, ac, "min", a.min);
                    WriteInteger(file, ac, "sec", a.sec);
                } else if (a.loop == "count") {
                    WriteInteger(file, ac, "loopcount", a.loopcount);
                }
                break;
            }
            case EventAction::StartProgram:
                WriteString(file, ac, "execute", a.execute);
                WriteString(file, ac, "parameters", a.parameters);
                break;
            case EventAction::OpenDocument:
                WriteString(file, ac, "document", a.document);
                break;
            case EventAction::OpenFolder:
                WriteString(file, ac, "folder", a.folder);
                break;
            default:
                break;  // the other actions keep nothing in [actionN]
        }
        // Present only while in use, so a file without them reads as it always has.
        const bool message = e.action == NumberOf(EventAction::Message);
        const std::pair<const char*, bool> choices[] = {{"culprit", a.culprit},
                                                        {"notify", a.notify}};
        for (const auto& [key, on] : choices) {
            if (message && on) {
                WriteBool(file, ac, key, true);
            } else {
                file.RemoveKey(ac, key);
            }
        }
    });
    return written;
}

void WriteEventActive(const std::string& path, std::int32_t n, bool active) {
    WriteProfileBool(path, EventSection(n), "active", active);
}

void DeleteEvent(const std::string& path, std::int32_t n) {
    const std::int32_t count = EventCount(LoadProfile(path));
    if (n < 1 || n > count) {
        return;
    }
    UpdateProfile(path, [&](ProfileText& file) {
        // Counted again under the lock: another program may have changed the file meanwhile.
        const std::int32_t last = EventCount(file);
        if (n > last) {
            return;
        }
        EraseEverySection(file, EventSection(n));
        EraseEverySection(file, ActionSection(n));
        WriteInteger(file, "main", "count", last - 1);
        if (n != last) {
            // Only the headers move: a value that mentions "[event5]" stays as written.
            file.RenameSection(EventSection(last), EventSection(n));
            file.RenameSection(ActionSection(last), ActionSection(n));
        }
    });
}

}  // namespace tarnwick
