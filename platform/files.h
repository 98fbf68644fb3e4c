#pragma once

#include <string>
#include <string_view>

// File operations that the profile files need, with the guarantees the programs rely on:
// a reader sees either the old or the new file, never half of one.
namespace tarnwick::platform {

// The whole file into out; false (out empty) when it is missing or unreadable.
bool ReadWholeFile(const std::string& path, std::string& out);

// Replaces the file's contents as one step: a temporary file in the same folder, flushed to
// disk and renamed over the old one. A link is followed, so the file it names is replaced.
// An existing file keeps its permissions. False when nothing was changed: the folder is
// missing, the file or folder is not writable, the disk is full.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// An advisory lock on the folder of a file, held for the object's life. Every writer of the
// programs takes it around its read-modify-write, so two processes never lose each other's
// keys. Taking it never fails: when the folder cannot be locked the write goes on unlocked
// and fails (or not) on its own.
class FolderLock {
public:
    explicit FolderLock(const std::string& filePath);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_ = -1;
};

bool IsDirectory(const std::string& path);
bool IsRegularFile(const std::string& path);
bool RemoveFile(const std::string& path);
// One level, like the shell's own folders: the parent must exist.
bool MakeDirectory(const std::string& path);
// The folder and, on a fresh account where it is missing too, its parent. True when the
// folder exists afterwards.
bool MakeDirectoryAndParent(const std::string& path);

}  // namespace tarnwick::platform
