#pragma once

#include <string>

namespace tarnwick {

// The names of the two programs' one-copy locks.
inline constexpr char kMonitorMutex[] = "TarnwickMutex";
inline constexpr char kSettingsMutex[] = "TarnwickCfgMutex";

// Test, then create: answers true when another copy of this user's program already holds the
// lock called name. Either way this process holds it from now until it ends, so the lock lives
// on while any copy runs. Asked again for the same name, answers as the first time. When the
// lock cannot be made at all (no private folder), answers false: better two copies than none.
bool IsSecondCopy(const std::string& name);

}  // namespace tarnwick
