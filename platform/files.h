#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// File operations that the profile files need, with the guarantees the programs rely on:
// a reader sees either the old or the new file, never half of one.
namespace tarnwick::platform {

enum class ReadResult {
    Read,        // out holds the whole file
    Missing,     // nothing of that name
    NotRegular,  // a folder, a pipe, a device or a socket: never waited on, never read
    TooLarge,    // larger than the bound
    NotOwn,      // see FileOwners::UserOrRoot
    Failed,      // no right to read it, or a read error
};

enum class FileOwners {
    Anyone,
    // Only a file of this user (or of root) that no other user may change, lying in a folder
    // of this user (or of root) where no other user may replace it; links are followed, so a
    // link to a file of another user reads as NotOwn.
    UserOrRoot,
};

// Reads a regular file of at most maxBytes. It is opened without blocking and checked on the
// opened descriptor, so a pipe or device put in its place can neither hang nor flood the
// reader. out is empty unless the result is Read.
ReadResult ReadFileBounded(const std::string& path, std::size_t maxBytes, std::string& out,
                           FileOwners owners = FileOwners::Anyone);

// The bound of ReadWholeFile: far above any file the programs read with it.
constexpr std::size_t kMaxWholeFileBytes = std::size_t{16} << 20;

// The whole file into out, bounded like ReadFileBounded with kMaxWholeFileBytes; false (out
// empty) when it is missing, not a regular file, too large or unreadable.
bool ReadWholeFile(const std::string& path, std::string& out);

// Replaces the file's contents as one step: the bytes go into an unnamed temporary file in
// the same folder (O_TMPFILE), which is flushed to disk, given a name and renamed over the
// old one, so a crash while writing leaves no file behind. Where the file system has no
// unnamed files, a named temporary ".<name>.XXXXXX" is used instead. A link is followed, so
// the file it names is replaced. An existing file keeps its permissions. False when nothing
// was changed: the folder is missing, the file or folder is not writable, the disk is full.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporaries of ReplaceFileAtomically for fileName (".<fileName>.XXXXXX") in
// folder that are at least maxAgeSeconds old and belong to this user: what a crash in the
// instant between naming and renaming, or on a file system without unnamed files, left
// behind. Returns how many were removed.
int RemoveStaleTemporaries(const std::string& folder, std::string_view fileName, int maxAgeSeconds);

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

    // While the lock is held no writer of the programs is between naming and renaming a
    // temporary of the file, so every temporary of it is what a crashed writer left: they
    // are removed, whatever their age. Nothing happens when the lock could not be taken.
    void RemoveLeftovers() const;

private:
    int fd_ = -1;
    std::string target_;  // the file, links resolved
};

// Whether a folder may hold this user's files.
enum class Ownership {
    Missing,  // nothing there yet
    File,     // a regular file of this user in the folder's place
    Own,      // a folder of this user that no other user may write
    NotOwn,   // anything else: another user's, writable by others, a link where none may be
};
// Links are followed: ~/.config may well be a link into the user's own files.
Ownership FolderOwnership(const std::string& path);
// Stricter, for a folder in a place that every user shares: a real folder, not a link, of
// this user, that no other user may even enter (mode 0700). Anything else is NotOwn.
Ownership PrivateFolderOwnership(const std::string& path);

bool IsDirectory(const std::string& path);
bool IsRegularFile(const std::string& path);
bool RemoveFile(const std::string& path);
// One level, like the shell's own folders: the parent must exist.
bool MakeDirectory(const std::string& path);
// The folder and, on a fresh account where it is missing too, its parent. True when the
// folder exists afterwards.
bool MakeDirectoryAndParent(const std::string& path);

// Whether this user could make files in folder now, found without making or changing
// anything: the folder, or where it is missing the nearest existing one of those that
// MakeDirectoryAndParent would make it in, is a folder the user may write and enter, on a
// file system that is not read-only.
bool CanMakeFilesIn(const std::string& folder);

// Removes the regular files of this user in folder (never links, folders or anything else)
// whose names match, and returns how many.
int RemoveOwnFiles(const std::string& folder,
                   const std::function<bool(std::string_view name)>& matches);

}  // namespace tarnwick::platform
