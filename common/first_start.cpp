#include "common/first_start.h"

#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <string_view>

#include "common/datafolder.h"
#include "common/profile.h"
#include "common/settings.h"
#include "platform/files.h"

namespace tarnwick {

namespace {

// Text in the profile format with at least one section the programs read.
bool LooksLikeSettings(const std::string& bytes) {
    if (bytes.find('\0') != std::string::npos) {
        return false;
    }
    const ProfileText file = ProfileText::Parse(bytes);
    if (file.HasSection(setting::kMain) || file.HasSection(setting::kSkins)) {
        return true;
    }
    for (const char* section : kIndicatorSections) {
        if (file.HasSection(section)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string FindSystemSettingsFile(const std::string& configDirs) {
    std::string_view rest = configDirs.empty() ? std::string_view("/etc/xdg") : configDirs;
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        std::string folder(rest.substr(0, colon));
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        if (folder.empty() || folder.front() != '/') {
            continue;  // the base-directory rules ignore relative entries
        }
        while (folder.size() > 1 && folder.back() == '/') {
            folder.pop_back();
        }
        const std::string path = (folder == "/" ? "" : folder) + "/tarnwick/tarnwick.cfg";
        if (QFileInfo::exists(QString::fromStdString(path))) {
            return path;
        }
    }
    return "";
}

bool CopySystemSettings(const std::string& systemFile, const std::string& dataFolder) {
    if (systemFile.empty() || dataFolder.empty() || !platform::IsDirectory(dataFolder)) {
        return false;
    }
    const QString target = QString::fromStdString(dataFolder + "tarnwick.cfg");
    const QFileInfo existing(target);
    if (existing.exists() || existing.isSymLink()) {
        return false;  // the user has one already, whatever it is
    }
    const QFileInfo source(QString::fromStdString(systemFile));
    if (!source.isFile() || source.size() > kMaxSystemSettingsBytes) {
        return false;
    }
    std::string bytes;
    if (!platform::ReadWholeFile(systemFile, bytes) ||
        static_cast<long long>(bytes.size()) > kMaxSystemSettingsBytes ||
        !LooksLikeSettings(bytes)) {
        return false;
    }
    // NewOnly refuses a file (or a link) that appeared meanwhile, so nothing is ever replaced.
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    const bool written = file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
                         file.flush();
    file.close();
    if (!written) {
        file.remove();  // half a copy would read as a broken settings file
    }
    return written;
}

bool CopySystemSettingsOnFirstStart() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    return CopySystemSettings(FindSystemSettingsFile(dirs != nullptr ? dirs : ""), GetDataFolder());
}

}  // namespace tarnwick
