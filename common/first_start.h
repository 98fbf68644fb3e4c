#pragma once

#include <string>

namespace tarnwick {

// The largest system-wide settings file taken; anything bigger is not a settings file.
inline constexpr long long kMaxSystemSettingsBytes = 64 * 1024;

// The system-wide default settings: the first "tarnwick/tarnwick.cfg" found in the folders of
// configDirs (a colon-separated XDG_CONFIG_DIRS value, most important first; relative entries
// are skipped; empty means "/etc/xdg"). Empty when none is there.
std::string FindSystemSettingsFile(const std::string& configDirs);

// A user's first start: when the data folder (ending with "/") exists and holds no
// tarnwick.cfg at all, the system file is copied there once. From then on the user's file is
// the only one. A system file that is not a settings file (too big, binary, without any
// section the programs know) is not copied, and nothing that is already in the data folder is
// ever replaced. True when the copy was made.
bool CopySystemSettings(const std::string& systemFile, const std::string& dataFolder);

// Both steps with the session's XDG_CONFIG_DIRS and the user's data folder.
bool CopySystemSettingsOnFirstStart();

}  // namespace tarnwick
