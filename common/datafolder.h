#pragma once

#include <string>

namespace tarnwick {

// The folder of the settings and events files, always ending with "/":
// $XDG_CONFIG_HOME/tarnwick/, else ~/.config/tarnwick/. When no home folder can be found at
// all, they lie in "/tmp/".
std::string GetDataFolder();

// Called once by the monitor before it reads its settings: a plain file in the folder's
// place is deleted and the folder created. Failures go unnoticed here; the first write
// reports them.
void EnsureDataFolder();

std::string SettingsFilePath();  // the data folder + "tarnwick.cfg"
std::string EventsFilePath();    // the data folder + "events.cfg"

}  // namespace tarnwick
