#include "platform/process.h"

#include "platform/files.h"

#include <fcntl.h>
#include <malloc.h>
#include <pwd.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace tarnwick::platform {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Only an absolute value counts; the base-directory rules say to ignore a relative one.
std::string AbsoluteFolder(std::string path) {
    if (path.empty() || path.front() != '/') {
        return "";
    }
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string PasswordHome() {
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? AbsoluteFolder(entry->pw_dir) : "";
}

std::string DotConfig(const std::string& home) {
    return home.empty() ? "" : (home == "/" ? "" : home) + "/.config";
}

// The private folder itself: made 0700 when missing, refused when it is not a real folder of
// ours, tightened when someone loosened it.
bool MakePrivateFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat st {};
    if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid()) {
        return false;
    }
    if ((st.st_mode & 077) != 0 && chmod(folder.c_str(), 0700) != 0) {
        return false;
    }
    return true;
}

}  // namespace

std::string ProgramFolder() {
    std::vector<char> buffer(512);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) {
            return "";
        }
        if (static_cast<std::size_t>(n) < buffer.size()) {
            const std::string path(buffer.data(), static_cast<std::size_t>(n));
            return path.substr(0, path.rfind('/') + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string ShippedFolderOf(const std::string& programFolder) {
    if (programFolder.empty() || IsDirectory(programFolder + "skins")) {
        return programFolder;
    }
    // The parent of the program folder, written out, so paths shown to the user have no "..".
    const std::string withoutSlash = programFolder.substr(0, programFolder.size() - 1);
    const std::string installed =
        withoutSlash.substr(0, withoutSlash.rfind('/') + 1) + "share/tarnwick/";
    return IsDirectory(installed + "skins") ? installed : programFolder;
}

std::string ShippedFolder() {
    return ShippedFolderOf(ProgramFolder());
}

std::string SkinsFolder() {
    return ShippedFolder() + "skins/";
}

std::string ConfigHome() {
    const std::vector<std::string> homes = ConfigHomes();
    return homes.empty() ? "" : homes.front();
}

std::vector<std::string> ConfigHomes() {
    std::vector<std::string> homes;
    for (const std::string& folder :
         {AbsoluteFolder(Environment("XDG_CONFIG_HOME")),
          DotConfig(AbsoluteFolder(Environment("HOME"))), DotConfig(PasswordHome())}) {
        if (!folder.empty() && std::find(homes.begin(), homes.end(), folder) == homes.end()) {
            homes.push_back(folder);
        }
    }
    return homes;
}

void LogError(const std::string& message) {
    std::fprintf(stderr, "Tarnwick: %s\n", message.c_str());
    openlog("Tarnwick", LOG_PID, LOG_USER);
    syslog(LOG_ERR, "%s", message.c_str());
    closelog();
}

void ReturnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);  // also the free pages amid the heap, not only those at its end
#endif
}

std::string PrivateFallbackFolder() {
    return "/tmp/tarnwick-" + std::to_string(geteuid());
}

std::string RuntimeFolder() {
    std::string folder;
    if (const std::string runtime = AbsoluteFolder(Environment("XDG_RUNTIME_DIR"));
        !runtime.empty()) {
        folder = (runtime == "/" ? "" : runtime) + "/tarnwick";
    } else {
        // No session runtime folder (a login without systemd, su, cron): a private folder
        // beside the settings. Its parents get the ordinary mode; only "run" is private.
        const std::string config = ConfigHome();
        if (config.empty()) {
            return "";
        }
        mkdir(config.c_str(), 0777);
        mkdir((config + "/tarnwick").c_str(), 0777);
        folder = config + "/tarnwick/run";
    }
    return MakePrivateFolder(folder) ? folder + "/" : "";
}

NamedLock::~NamedLock() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

// Every holder keeps a shared record lock on the first byte of the lock file. The test takes
// the exclusive lock: it succeeds only when nobody holds the file, and is then turned into a
// shared one in a single step, so two copies started at the same instant cannot both win.
// Record locks of open file descriptions (not flock) are used for that one-step change.
bool NamedLock::OpenOrCreate(const std::string& folder, const std::string& name) {
    if (fd_ >= 0) {
        return existed_;
    }
    if (folder.empty()) {
        return false;
    }
    const std::string path = folder + name + ".lock";
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return false;
    }
    struct flock range {};
    range.l_whence = SEEK_SET;
    range.l_start = 0;
    range.l_len = 1;
    range.l_type = F_WRLCK;
    if (fcntl(fd, F_OFD_SETLK, &range) == 0) {
        range.l_type = F_RDLCK;
        if (fcntl(fd, F_OFD_SETLK, &range) != 0) {
            close(fd);
            return false;
        }
        fd_ = fd;
        existed_ = false;
        return false;
    }
    if (errno != EAGAIN && errno != EACCES) {
        close(fd);
        return false;
    }
    // Another copy holds it. Join the holders; a copy that is just making the lock holds it
    // exclusively for an instant, so wait that out, but never long.
    range.l_type = F_RDLCK;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (fcntl(fd, F_OFD_SETLK, &range) != 0) {
        if ((errno != EAGAIN && errno != EACCES) || std::chrono::steady_clock::now() > deadline) {
            close(fd);
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    fd_ = fd;
    existed_ = true;
    return true;
}

}  // namespace tarnwick::platform
