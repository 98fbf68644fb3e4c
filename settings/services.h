#pragma once

#include <string>

namespace tarnwick {

class Dialogs;

namespace platform {
class PressureFigures;
}

namespace cfg {

// What the settings program's windows need from outside, so tests hand them a temporary
// data folder and a scripted dialog seam.
struct SettingsServices {
    Dialogs* dialogs = nullptr;
    std::string settingsFile;     // the data folder's tarnwick.cfg
    std::string eventsFile;       // the data folder's events.cfg
    std::string programFolder;    // ends with "/": the monitor and the shipped skins lie there
    std::string autostartFolder;  // the folder of the automatic-start entry
    std::string runtimeFolder;    // where the monitors' refresh endpoints are; empty: none
    // Which pressures the events editor offers; none: the system's, asked at each showing.
    platform::PressureFigures* pressure = nullptr;
};

}  // namespace cfg
}  // namespace tarnwick
