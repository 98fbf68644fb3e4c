// Feeds arbitrary bytes to the events file reader, as both programs read it. Beyond not
// crashing, what it builds must stay linear in the file: no more events than the bound and no
// more message lines, all events together, than the file has lines.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/events_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tarnwick::ProfileText file = tarnwick::ProfileText::Parse(bytes);
    for (const tarnwick::EventDefaults defaults :
         {tarnwick::EventDefaults::Monitor, tarnwick::EventDefaults::Editor}) {
        const std::vector<tarnwick::EventEntry> events = tarnwick::ReadEvents(file, defaults);
        if (events.size() > static_cast<std::size_t>(tarnwick::kMaxEvents) ||
            events.size() != static_cast<std::size_t>(tarnwick::EventCount(file))) {
            std::abort();
        }
        std::size_t lines = 0;
        for (const tarnwick::EventEntry& entry : events) {
            lines += entry.action.lines.size();
        }
        if (lines > file.LineCount()) {
            std::abort();
        }
    }
    return 0;
}
