#include "common/datafolder.h"

#include "platform/files.h"
#include "platform/process.h"

namespace tarnwick {

std::string GetDataFolder() {
    const std::string config = platform::ConfigHome();
    if (config.empty()) {
        return "/tmp/";  // no home folder at all
    }
    return (config == "/" ? "" : config) + "/tarnwick/";
}

void EnsureDataFolder() {
    std::string folder = GetDataFolder();
    folder.pop_back();
    if (platform::IsDirectory(folder)) {
        return;
    }
    if (platform::IsRegularFile(folder)) {
        platform::RemoveFile(folder);
    }
    platform::MakeDirectoryAndParent(folder);
}

std::string SettingsFilePath() {
    return GetDataFolder() + "tarnwick.cfg";
}

std::string EventsFilePath() {
    return GetDataFolder() + "events.cfg";
}

}  // namespace tarnwick
