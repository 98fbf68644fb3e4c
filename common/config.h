#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwick {

// The immediate writers of the settings file at file: each writes one key at once,
// atomically. Throw WriteError with the file's path when it cannot be written.
void WriteConfigString(const std::string& file, std::string_view section, std::string_view key,
                       std::string_view value);
void WriteConfigInteger(const std::string& file, std::string_view section, std::string_view key,
                        std::int32_t value);
void WriteConfigBool(const std::string& file, std::string_view section, std::string_view key,
                     bool value);

}  // namespace tarnwick
