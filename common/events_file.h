#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/profile.h"

// The events file events.cfg: [main] count, and per event N the sections [eventN] and
// [actionN]. Both programs read and write it through these functions.
namespace tarnwick {

// No events file has a reason to hold more events than this; a larger count is capped.
constexpr std::int32_t kMaxEvents = 100000;

// The two readers of the file take different defaults for a few keys: the monitor shows an
// empty name and counts a missing `sec` as 1, the editor shows "Event N" and 0.
enum class EventDefaults { Monitor, Editor };

// Every key of [eventN], in the order the editor writes them.
struct EventKeys {
    std::string name;
    std::int32_t event = 0;  // resource 0..3, pressure 4..6
    std::int32_t biglit = 0;
    std::int32_t value = 1;
    std::int32_t measure = 0;
    std::int32_t hour = 0;
    std::int32_t min = 0;
    std::int32_t sec = 1;
    std::int32_t action = 0;
    std::int32_t execute = 0;  // execution method
    bool active = false;
};

// Every key of [actionN]. Only the keys of the current action and `loop` mean anything.
struct ActionKeys {
    bool autotext = false;
    // line1 .. lineK, K = `linescount`; all events of a file together have no more lines
    // than the file itself, so a damaged `linescount` cannot make millions of empty ones.
    std::vector<std::string> lines;
    bool sound = false;
    std::int32_t freq = 1500;
    std::int32_t time = 500;
    std::int32_t pause = 1000;
    std::string loop = "time";
    std::int32_t hour = 0;
    std::int32_t min = 0;
    std::int32_t sec = 1;
    std::int32_t loopcount = 1;
    std::string execute;  // program path
    std::string parameters;
    std::string document;
    std::string folder;
    // A message's choices that files of events without them never hold: a line naming the
    // process behind the resource, and a desktop notification instead of the box.
    bool culprit = false;
    bool notify = false;
};

struct EventEntry {
    EventKeys event;
    ActionKeys action;
};

std::string EventSection(std::int32_t n);   // "event" + n
std::string ActionSection(std::int32_t n);  // "action" + n

// [main] count, 0 when missing or below 1, and never more than kMaxEvents nor more than
// the file's size in bytes: a file cannot hold more events than it has bytes, so a larger
// count is a damaged file and must not make the programs build millions of empty events.
std::int32_t EventCount(const ProfileText& file);

// The events file as the monitor reads it before it acts on it: like LoadProfile, but a file
// of another user, or a link to one, or one that others may change, reads as empty, so no
// action of theirs ever runs as this user.
ProfileText LoadEventsFile(const std::string& path);

// Event n (1-based) with the defaults of the given reader.
EventEntry ReadEvent(const ProfileText& file, std::int32_t n, EventDefaults defaults);
// Events 1 .. EventCount.
std::vector<EventEntry> ReadEvents(const ProfileText& file, EventDefaults defaults);

// The editor's save: n of 0 makes a new event (EventCount + 1, `count` written first) and
// returns its number; otherwise the keys of event n are written over the old ones. [eventN]
// gets all eleven keys; [actionN] only those of the chosen action and `loop`, and is not
// touched for actions 0 and 5 to 8. `culprit` and `notify` are written only for a message
// that has them and are taken out otherwise. One atomic rewrite; throws WriteError.
std::int32_t WriteEvent(const std::string& path, std::int32_t n, const EventEntry& entry);

// `active` of [eventN] alone. Throws WriteError.
void WriteEventActive(const std::string& path, std::int32_t n, bool active);

// Deletes event n of the count the file holds: its two sections go, `count` drops by one and
// the last event takes number n. Only section header lines are renamed ([Event5] becomes
// [event2]); text inside values stays as it is. All in one atomic rewrite; a number outside
// 1..count changes nothing. Throws WriteError.
void DeleteEvent(const std::string& path, std::int32_t n);

}  // namespace tarnwick
