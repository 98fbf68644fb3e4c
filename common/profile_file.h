#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/profile.h"

namespace tarnwick {

// Reads a profile file; a missing or unreadable file reads as empty.
ProfileText LoadProfile(const std::string& path);

// Changes a profile file as one step: under the lock of its folder it reads the file, lets
// edit change it and replaces the file atomically, so another program writing at the same
// time loses nothing and a crash never leaves half a file. The file is created when missing.
// Throws WriteError (with the path) when the file cannot be written; nothing is changed then.
void UpdateProfile(const std::string& path, const std::function<void(ProfileText&)>& edit);

void WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);
void WriteProfileInteger(const std::string& path, std::string_view section, std::string_view key,
                         std::int32_t value);
void WriteProfileBool(const std::string& path, std::string_view section, std::string_view key,
                      bool value);

// Replaces every occurrence of a text in the raw file, without regard to ASCII case, and
// writes the file back atomically like UpdateProfile. A missing file is left missing.
void ReplaceInFile(const std::string& path, std::string_view from, std::string_view to);

}  // namespace tarnwick
