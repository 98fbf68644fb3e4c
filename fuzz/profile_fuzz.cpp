// Feeds arbitrary bytes to the profile-file parser and editor. Beyond not crashing, an edit
// must keep every byte it did not mean to change, and what was written must read back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tarnwick::ProfileText file = tarnwick::ProfileText::Parse(bytes);
    if (file.Serialize() != bytes) {
        std::abort();  // parsing alone must not change a byte
    }
    for (const std::string& section : file.Sections()) {
        for (const std::string& key : file.Keys(section)) {
            if (!file.Get(section, key)) {
                std::abort();  // a listed key must read
            }
        }
    }
    file.Set("main", "mode", "2");
    file.Set("Fuzz Section", "key", std::string(bytes.substr(0, 40)));
    if (file.Get("main", "mode") != "2") {
        std::abort();
    }
    const tarnwick::ProfileText again = tarnwick::ProfileText::Parse(file.Serialize());
    if (again.Get("main", "mode") != "2") {
        std::abort();  // what was written reads back after a round trip
    }
    file.EraseSection("main");
    file.RemoveKey("fuzz section", "key");
    return 0;
}
