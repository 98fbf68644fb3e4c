#include "common/datafolder.h"

#include "platform/files.h"
#include "platform/process.h"

namespace tarnwick {

namespace {

constexpr const char* kSettingsFile = "tarnwick.cfg";
constexpr const char* kEventsFile = "events.cfg";
// A writer takes milliseconds; anything older is left over from a crash.
constexpr int kStaleTemporarySeconds = 60;

std::string FileIn(const std::string& name) {
    const std::string folder = GetDataFolder();
    return folder.empty() ? "" : folder + name;
}

}  // namespace

DataFolderChoice ChooseDataFolder(const std::vector<std::string>& configHomes,
                                  const std::string& privateFolder) {
    std::string refused;
    const auto refuse = [&](const std::string& folder) {
        refused += (refused.empty() ? "" : ", ") + folder;
    };
    for (const std::string& home : configHomes) {
        const std::string folder = (home == "/" ? "" : home) + "/tarnwick";
        if (platform::FolderOwnership(folder) != platform::Ownership::NotOwn) {
            return {folder + "/", ""};
        }
        refuse(folder);
    }
    if (!privateFolder.empty()) {
        if (platform::PrivateFolderOwnership(privateFolder) != platform::Ownership::NotOwn) {
            return {privateFolder + "/", ""};
        }
        refuse(privateFolder);
    }
    if (refused.empty()) {
        return {"", "No folder was found for the settings; they are kept in memory only"};
    }
    return {"", "The settings are kept in memory only: no folder of your own can hold them (" +
                    refused + " belong to another user or may be changed by others)"};
}

DataFolderChoice FindDataFolder() {
    return ChooseDataFolder(platform::ConfigHomes(), platform::PrivateFallbackFolder());
}

std::string GetDataFolder() {
    return FindDataFolder().folder;
}

std::string EnsureDataFolder() {
    const DataFolderChoice choice = FindDataFolder();
    if (choice.folder.empty()) {
        return choice.problem;
    }
    std::string folder = choice.folder;
    folder.pop_back();
    if (!platform::IsDirectory(folder)) {
        if (platform::IsRegularFile(folder)) {
            platform::RemoveFile(folder);
        }
        platform::MakeDirectoryAndParent(folder);
    }
    // Someone may have put their own folder there in the meantime: look again.
    const DataFolderChoice made = FindDataFolder();
    if (made.folder != choice.folder) {
        return made.problem;
    }
    for (const char* name : {kSettingsFile, kEventsFile}) {
        platform::RemoveStaleTemporaries(folder, name, kStaleTemporarySeconds);
    }
    return "";
}

void EnsureFolderOf(const std::string& file) {
    const std::size_t slash = file.find_last_of('/');
    if (slash == std::string::npos || slash == 0) {
        return;  // no path, the current folder or the root: nothing to make
    }
    const std::string folder = file.substr(0, slash);
    if (platform::IsDirectory(folder)) {
        return;
    }
    if (platform::IsRegularFile(folder)) {
        platform::RemoveFile(folder);
    }
    platform::MakeDirectoryAndParent(folder);
}

std::string SettingsFilePath() {
    return FileIn(kSettingsFile);
}

std::string EventsFilePath() {
    return FileIn(kEventsFile);
}

}  // namespace tarnwick
