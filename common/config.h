#pragma once

#include <cstdint>
#include <string_view>

namespace tarnwick {

// The immediate writers of the settings file: each writes one key at once, atomically.
// Throw WriteError with the settings file's path when it cannot be written.
void WriteConfigString(std::string_view section, std::string_view key, std::string_view value);
void WriteConfigInteger(std::string_view section, std::string_view key, std::int32_t value);
void WriteConfigBool(std::string_view section, std::string_view key, bool value);

}  // namespace tarnwick
