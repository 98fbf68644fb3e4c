#pragma once

#include <string>
#include <vector>

#include "settings/services.h"

namespace tarnwick::cfg {

// Asks every running monitor to read the named files again, in order, and returns when each
// has done so or the broadcast's time is up. The windows keep painting meanwhile but take no
// input. No monitor running, or no runtime folder at all, is not an error.
void BroadcastToMonitors(const SettingsServices& services,
                         const std::vector<std::string>& messages);

}  // namespace tarnwick::cfg
