#pragma once

namespace tarnwick {

// Both programs lie in one folder (platform::ProgramFolder), so each finds the other there.
inline constexpr char kMonitorProgram[] = "Tarnwick";
inline constexpr char kSettingsProgram[] = "TarnwickCfg";

}  // namespace tarnwick
