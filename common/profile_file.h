#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/profile.h"
#include "platform/files.h"

namespace tarnwick {

// No settings, events or skin file has a reason to be larger: the largest the programs
// write, a thousand events with ten message lines each, is about 600 KB. The bound also caps
// what parsing costs: a 1 MB file of empty lines takes about 70 MB while it is read.
constexpr std::size_t kMaxProfileBytes = std::size_t{1} << 20;

// The bytes of a profile file, read only when it is a regular file of at most
// kMaxProfileBytes (see platform::ReadFileBounded); an empty path reads as Missing.
platform::ReadResult ReadProfileBytes(const std::string& path, std::string& out,
                                      platform::FileOwners owners = platform::FileOwners::Anyone);

// Reads a profile file. A missing, unreadable or too large file, or anything but a regular
// file, reads as empty, so its defaults are used. An empty path names no file: the programs
// use it when the user has no data folder, and keep their settings in memory.
ProfileText LoadProfile(const std::string& path);

// Changes a profile file as one step: under the lock of its folder it reads the file, lets
// edit change it and replaces the file atomically, so another program writing at the same
// time loses nothing and a crash never leaves half a file. The file is created when missing.
// Throws WriteError (with the path) when the file cannot be written, or when it exists but
// cannot be read whole (too large, not a regular file): writing over it would lose what it
// holds. Nothing is changed then. An empty path writes nothing and reports nothing.
void UpdateProfile(const std::string& path, const std::function<void(ProfileText&)>& edit);

void WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);
void WriteProfileInteger(const std::string& path, std::string_view section, std::string_view key,
                         std::int32_t value);
void WriteProfileBool(const std::string& path, std::string_view section, std::string_view key,
                      bool value);

// Replaces every occurrence of a text in the raw file, without regard to ASCII case, and
// writes the file back atomically like UpdateProfile. A missing file is left missing, and a
// file that cannot be read whole throws WriteError.
void ReplaceInFile(const std::string& path, std::string_view from, std::string_view to);

}  // namespace tarnwick
