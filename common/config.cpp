#include "common/config.h"

#include "common/datafolder.h"
#include "common/profile_file.h"

namespace tarnwick {

void WriteConfigString(std::string_view section, std::string_view key, std::string_view value) {
    WriteProfileString(SettingsFilePath(), section, key, value);
}

void WriteConfigInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteProfileInteger(SettingsFilePath(), section, key, value);
}

void WriteConfigBool(std::string_view section, std::string_view key, bool value) {
    WriteProfileBool(SettingsFilePath(), section, key, value);
}

}  // namespace tarnwick
