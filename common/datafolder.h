#pragma once

#include <string>
#include <vector>

namespace tarnwick {

// Where the settings and events files are kept, and, when nowhere, why.
struct DataFolderChoice {
    std::string folder;   // ends with "/"; empty: settings live in memory only
    std::string problem;  // why folder is empty, in a sentence for the user
};

// The data folder is always a folder of the user's own: "tarnwick/" in the first of the
// configuration folders that does not hold another user's folder (or one that others may
// write) under that name, else the private per-user folder (a real folder of the user, mode
// 0700, no link), else none. Nothing is made here.
DataFolderChoice ChooseDataFolder(const std::vector<std::string>& configHomes,
                                  const std::string& privateFolder);
// ChooseDataFolder for this user: platform::ConfigHomes() and platform::PrivateFallbackFolder().
DataFolderChoice FindDataFolder();

// The folder of the settings and events files, always ending with "/": usually
// $XDG_CONFIG_HOME/tarnwick/ or ~/.config/tarnwick/. Empty when the user has no folder of
// their own for them; the file paths are then empty too, and the profile functions read an
// empty path as an empty file and keep its writes in memory only.
std::string GetDataFolder();

// Called once by the monitor before it reads its settings: a plain file in the folder's
// place is deleted and the folder created, and temporaries that a crashed writer left behind
// are removed. A failure to create the folder goes unnoticed here; the first write reports
// it. Returns the one message to show when the settings can only be kept in memory, else "".
std::string EnsureDataFolder();
// Makes the folder a given file lies in when it is missing (a plain file in its place is
// deleted), for a window handed its own paths. An empty path, kept in memory, makes nothing.
void EnsureFolderOf(const std::string& file);

std::string SettingsFilePath();  // the data folder + "tarnwick.cfg", or empty
std::string EventsFilePath();    // the data folder + "events.cfg", or empty

}  // namespace tarnwick
