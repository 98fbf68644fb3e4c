#pragma once

#include <string>
#include <vector>

// What the programs need to know about their own process and the places private to the user
// that runs it.
namespace tarnwick::platform {

// The folder of the running program file, links resolved, ending with "/". Both programs lie
// in it. Empty when the system cannot tell.
std::string ProgramFolder();

// The folder of the files shipped with the programs (skins/, manual/), ending with "/". In a
// build they lie beside the programs, so a program folder with a skins/ folder is the answer;
// installed they lie in <program folder>/../share/tarnwick/. A program folder with neither
// answers itself, as before.
std::string ShippedFolderOf(const std::string& programFolder);
std::string ShippedFolder();  // of ProgramFolder()
std::string SkinsFolder();    // ShippedFolder() + "skins/"

// The user's configuration folder, $XDG_CONFIG_HOME or else ~/.config, without a trailing
// "/". Empty when no home folder can be found.
std::string ConfigHome();

// Every place that may be the user's configuration folder, best first, each once, without a
// trailing "/": $XDG_CONFIG_HOME, $HOME/.config, then .config in the home folder of the
// password database. Relative values are ignored. Empty when there is no home at all.
std::vector<std::string> ConfigHomes();

// Where a user without any home keeps the settings: a folder named for the user id in the
// shared temporary folder ("/tmp/tarnwick-1000"). It is only safe as a private folder of the
// user (PrivateFolderOwnership); nothing is made here.
std::string PrivateFallbackFolder();

// A message for the user when no window can show it: standard error, and the system log
// where there is one.
void LogError(const std::string& message);

// Gives the pages of freed heap memory back to the system. The allocator keeps what was freed
// for later, so a program that stays up all day would hold the peak of its start-up.
void ReturnFreedMemory();

// A folder only the current user may enter (mode 0700), ending with "/", for the single-copy
// locks and the refresh endpoints: $XDG_RUNTIME_DIR/tarnwick/, or, in a session without a
// runtime folder, the "run/" folder inside the data folder. Made when missing. Empty when it
// cannot be made or belongs to someone else.
std::string RuntimeFolder();

// A named lock that exists while at least one process holds it and vanishes with the last
// holder, however that holder ends: the kernel drops it with the process, so a crashed copy
// never blocks the next start. Holders in one process count separately, so tests can play
// several copies.
class NamedLock {
public:
    NamedLock() = default;
    ~NamedLock();  // gives up this holder's share
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;

    // Test, then create: answers true when another holder already had the lock "<name>.lock"
    // in folder. Either way this object holds it from now on, so it keeps existing for later
    // copies even when the first holder ends. Answers false and holds nothing when the lock
    // file cannot be opened. A second call on the same object answers as the first did.
    bool OpenOrCreate(const std::string& folder, const std::string& name);

    bool holds() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    bool existed_ = false;
};

}  // namespace tarnwick::platform
