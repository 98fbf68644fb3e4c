// Files with the standard library only: no folder locks, and a rename that replaces the file.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/files.h"

namespace tarnwick::platform {

namespace fs = std::filesystem;

// Without a descriptor to look at, the path is checked before it is opened.
ReadResult ReadFileBounded(const std::string& path, std::size_t maxBytes, std::string& out,
                           FileOwners) {
    out.clear();
    std::error_code error;
    if (!fs::exists(path, error)) {
        return ReadResult::Missing;
    }
    if (!IsRegularFile(path)) {
        return ReadResult::NotRegular;
    }
    if (fs::file_size(path, error) > maxBytes) {
        return ReadResult::TooLarge;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return ReadResult::Failed;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (out.size() > maxBytes) {
        out.clear();
        return ReadResult::TooLarge;
    }
    return ReadResult::Read;
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    return ReadFileBounded(path, kMaxWholeFileBytes, out) == ReadResult::Read;
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

int RemoveStaleTemporaries(const std::string&, std::string_view, int) {
    return 0;  // the temporary of ReplaceFileAtomically is path + ".new", replaced each time
}

// Owners are unknown here: every folder counts as the user's.
Ownership FolderOwnership(const std::string& path) {
    std::error_code error;
    if (!fs::exists(path, error)) {
        return Ownership::Missing;
    }
    return IsDirectory(path)     ? Ownership::Own
           : IsRegularFile(path) ? Ownership::File
                                 : Ownership::NotOwn;
}

Ownership PrivateFolderOwnership(const std::string& path) {
    const Ownership ownership = FolderOwnership(path);
    return ownership == Ownership::File ? Ownership::NotOwn : ownership;
}

FolderLock::FolderLock(const std::string&) {}
FolderLock::~FolderLock() = default;
void FolderLock::RemoveLeftovers() const {}

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

// Owners are unknown here: the owner's write bit stands for the user's right.
bool CanMakeFilesIn(const std::string& folder) {
    fs::path path(folder);
    for (int level = 0; level < 3; ++level) {
        std::error_code error;
        if (fs::symlink_status(path, error).type() == fs::file_type::not_found) {
            path = path.parent_path();
            continue;
        }
        return IsDirectory(path.string()) &&
               (fs::status(path, error).permissions() & fs::perms::owner_write) != fs::perms::none;
    }
    return false;
}

int RemoveOwnFiles(const std::string& folder,
                   const std::function<bool(std::string_view name)>& matches) {
    std::error_code error;
    int removed = 0;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (matches(entry->path().filename().string()) && !entry->is_symlink(ignored) &&
            entry->is_regular_file(ignored) && fs::remove(entry->path(), ignored)) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace tarnwick::platform
