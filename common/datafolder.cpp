#include "common/datafolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/files.h"

namespace tarnwick {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* entry = getpwuid(getuid());
            entry != nullptr && entry->pw_dir != nullptr) {
            home = entry->pw_dir;
        }
    }
    return home;
}

}  // namespace

std::string GetDataFolder() {
    std::string base = Environment("XDG_CONFIG_HOME");
    if (base.empty() || base.front() != '/') {  // a relative value is to be ignored
        const std::string home = HomeFolder();
        if (home.empty()) {
            return "/tmp/";
        }
        base = home + "/.config";
    }
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    return base + "/tarnwick/";
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
    // The config folder itself may be missing on a fresh account; create it too.
    const std::size_t slash = folder.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        platform::MakeDirectory(folder.substr(0, slash));
    }
    platform::MakeDirectory(folder);
}

std::string SettingsFilePath() {
    return GetDataFolder() + "tarnwick.cfg";
}

std::string EventsFilePath() {
    return GetDataFolder() + "events.cfg";
}

}  // namespace tarnwick
