#include "common/autorun.h"

#include <algorithm>
#include <string_view>

#include "platform/files.h"
#include "platform/process.h"

namespace tarnwick {

namespace {

// The escapes of a string value of a desktop entry. They are undone before the Exec value is
// split into arguments, so they go on top of the quoting.
std::string EscapeValue(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

bool IsReservedInExec(char c) {
    return std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos;
}

// ".tarnwick-probe-<pid>": what the write check of earlier versions made and removed again,
// and left behind when the program was killed in between.
bool IsProbeLeftover(std::string_view name) {
    constexpr std::string_view kProbe = ".tarnwick-probe-";
    return name.size() > kProbe.size() && name.substr(0, kProbe.size()) == kProbe &&
           name.find_first_not_of("0123456789", kProbe.size()) == std::string_view::npos;
}

std::string WithoutSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

std::string AutostartFolder() {
    const std::string config = platform::ConfigHome();
    return config.empty() ? "" : config + "/autostart/";
}

std::string DesktopExecArgument(const std::string& path) {
    const bool quote = path.empty() || std::any_of(path.begin(), path.end(), IsReservedInExec);
    std::string argument = quote ? "\"" : "";
    for (const char c : path) {
        if (c == '%') {
            argument += "%%";  // a lone "%" would start a field code
            continue;
        }
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            argument += '\\';
        }
        argument += c;
    }
    if (quote) {
        argument += '"';
    }
    return EscapeValue(argument);
}

std::string AutostartEntry(const std::string& monitorPath) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tarnwick\n"
           "Comment=Shows the usage of processor and memory\n"
           "Exec=" +
           DesktopExecArgument(monitorPath) +
           "\n"
           // The session skips the entry while the monitor is not where it was.
           "TryExec=" +
           EscapeValue(monitorPath) +
           "\n"
           "Icon=example.tarnwick.Tarnwick\n"
           "Terminal=false\n";
}

bool CanWriteAutorun(const std::string& folder) {
    if (folder.empty()) {
        return false;
    }
    const std::string dir = WithoutSlash(folder);
    platform::RemoveOwnFiles(dir, IsProbeLeftover);
    return platform::CanMakeFilesIn(dir);
}

void SetAutorun(bool on, const std::string& monitorPath, const std::string& folder) {
    if (!CanWriteAutorun(folder)) {
        return;
    }
    const std::string path = WithoutSlash(folder) + "/" + kAutostartEntryName;
    if (!on) {
        if (platform::IsRegularFile(path)) {
            platform::RemoveFile(path);
        }
        return;
    }
    // Both programs call this at every load and save of the settings; leave an entry that is
    // already right alone.
    const std::string entry = AutostartEntry(monitorPath);
    std::string current;
    if (platform::ReadWholeFile(path, current) && current == entry) {
        return;
    }
    // Only the first entry makes the folder: a user who never starts automatically gets none.
    if (platform::MakeDirectoryAndParent(WithoutSlash(folder))) {
        platform::ReplaceFileAtomically(path, entry);
    }
}

}  // namespace tarnwick
