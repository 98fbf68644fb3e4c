#pragma once

#include <string>

namespace tarnwick {

// Both programs lie in one folder, so each finds the other there.
inline constexpr char kMonitorProgram[] = "Tarnwick";
inline constexpr char kSettingsProgram[] = "TarnwickCfg";

// The folder of the running program, ending with "/".
std::string ProgramFolder();
// The full paths of the two program files in that folder.
std::string MonitorProgramPath();
std::string SettingsProgramPath();

}  // namespace tarnwick
