// Files with the standard library only: no folder locks, and a rename that replaces the file.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/files.h"

namespace tarnwick::platform {

namespace fs = std::filesystem;

bool ReadWholeFile(const std::string& path, std::string& out) {
    out.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in || !IsRegularFile(path)) {
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

FolderLock::FolderLock(const std::string&) {}
FolderLock::~FolderLock() = default;

bool IsDirectory(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool RemoveFile(const std::string& path) {
    std::error_code error;
    return fs::remove(path, error);
}

bool MakeDirectory(const std::string& path) {
    std::error_code error;
    return fs::create_directory(path, error) || IsDirectory(path);
}

bool MakeDirectoryAndParent(const std::string& path) {
    const fs::path folder(path);
    MakeDirectory(folder.parent_path().string());
    return MakeDirectory(path);
}

}  // namespace tarnwick::platform
