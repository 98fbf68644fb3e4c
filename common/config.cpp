#include "common/config.h"

#include "common/profile_file.h"

namespace tarnwick {

void WriteConfigString(const std::string& file, std::string_view section, std::string_view key,
                       std::string_view value) {
    WriteProfileString(file, section, key, value);
}

void WriteConfigInteger(const std::string& file, std::string_view section, std::string_view key,
                        std::int32_t value) {
    WriteProfileInteger(file, section, key, value);
}

void WriteConfigBool(const std::string& file, std::string_view section, std::string_view key,
                     bool value) {
    WriteProfileBool(file, section, key, value);
}

}  // namespace tarnwick
