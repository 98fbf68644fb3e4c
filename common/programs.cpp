#include "common/programs.h"

#include "platform/process.h"

namespace tarnwick {

std::string ProgramFolder() {
    return platform::ProgramFolder();
}

std::string MonitorProgramPath() {
    return ProgramFolder() + kMonitorProgram;
}

std::string SettingsProgramPath() {
    return ProgramFolder() + kSettingsProgram;
}

}  // namespace tarnwick
