#pragma once

#include "settings/services.h"

namespace tarnwick::cfg {

// Asks every running monitor to read the named file again and returns when each has done so
// (or timed out). No monitor running, or no runtime folder at all, is not an error.
void BroadcastToMonitors(const SettingsServices& services, const char* message);

}  // namespace tarnwick::cfg
