#pragma once

#include <string>

// Starting the monitor at log-in: an XDG autostart entry "tarnwick.desktop" in the user's
// autostart folder whose Exec is the monitor's full path. The settings program passes the
// path of "Tarnwick" in its own folder, the monitor its own path.
namespace tarnwick {

inline constexpr char kAutostartEntryName[] = "tarnwick.desktop";

// $XDG_CONFIG_HOME/autostart/ or ~/.config/autostart/, ending with "/"; empty when the user
// has no home folder.
std::string AutostartFolder();

// True when the user may put an entry into folder, found without writing anything there. A
// missing folder (usual before the first entry) counts as writable when it could be made; it
// is not made here. Removes what the write check of earlier versions left in the folder.
bool CanWriteAutorun(const std::string& folder = AutostartFolder());

// Makes the entry agree with on: written (atomically, making the folder when it is missing)
// or removed; a missing entry is no error. Does nothing when CanWriteAutorun(folder) is false.
void SetAutorun(bool on, const std::string& monitorPath,
                const std::string& folder = AutostartFolder());

// The entry's text for a monitor at monitorPath.
std::string AutostartEntry(const std::string& monitorPath);

// path as one argument of an Exec key, value-escaped: quoted when it holds a reserved
// character, "%" doubled.
std::string DesktopExecArgument(const std::string& path);

}  // namespace tarnwick
