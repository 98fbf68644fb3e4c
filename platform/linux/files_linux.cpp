#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

namespace tarnwick::platform {

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a link points to, so that replacing it keeps the link; the path itself otherwise.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

mode_t NewFileMode() {
    static const mode_t mode = [] {
        const mode_t mask = umask(022);
        umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Whether st, a file or a folder, is this user's or root's and no other user may change it.
// Group rights are not looked at: on most desktops each user has a group of their own.
bool OwnedByUserOrRoot(const struct stat& st) {
    return (st.st_uid == geteuid() || st.st_uid == 0) && (st.st_mode & S_IWOTH) == 0;
}

// The folder that holds the file path names, links resolved: another user who may replace
// files in it (a shared folder without the sticky bit) could swap the file at any time.
bool LiesInOwnFolder(const std::string& path) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr) {
        return false;
    }
    struct stat st {};
    if (stat(FolderOf(resolved).c_str(), &st) != 0) {
        return false;
    }
    const bool othersMayReplace = (st.st_mode & S_IWOTH) != 0 && (st.st_mode & S_ISVTX) == 0;
    return (st.st_uid == geteuid() || st.st_uid == 0) && !othersMayReplace;
}

ReadResult ReadOpenedFile(int fd, const std::string& path, std::size_t maxBytes, std::string& out,
                          FileOwners owners) {
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        return ReadResult::Failed;
    }
    if (!S_ISREG(st.st_mode)) {
        return ReadResult::NotRegular;
    }
    if (owners == FileOwners::UserOrRoot && (!OwnedByUserOrRoot(st) || !LiesInOwnFolder(path))) {
        return ReadResult::NotOwn;
    }
    if (st.st_size > 0 && static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        return ReadResult::TooLarge;
    }
    out.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return ReadResult::Failed;
        }
        if (n == 0) {
            return ReadResult::Read;
        }
        // The size may lie (files of /proc say 0) or the file may grow while it is read.
        if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
            return ReadResult::TooLarge;
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

constexpr std::string_view kNameLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 6;

// ".<fileName>.XXXXXX", the names mkostemp and TemporaryName make.
bool IsTemporaryName(std::string_view name, std::string_view fileName) {
    if (name.size() != fileName.size() + 2 + kSuffixLength || name.front() != '.' ||
        name.substr(1, fileName.size()) != fileName || name[fileName.size() + 1] != '.') {
        return false;
    }
    const std::string_view suffix = name.substr(fileName.size() + 2);
    return suffix.find_first_not_of(kNameLetters) == std::string_view::npos;
}

std::string TemporaryName(const std::string& folder, const std::string& base) {
    static std::mt19937 random{std::random_device{}()};
    std::string name = folder + "/." + base + ".";
    std::uniform_int_distribution<std::size_t> letter(0, kNameLetters.size() - 1);
    for (std::size_t i = 0; i < kSuffixLength; ++i) {
        name += kNameLetters[letter(random)];
    }
    return name;
}

enum class Written { Done, Failed, NoUnnamedFiles };

bool FillAndFlush(int fd, mode_t mode, std::string_view bytes) {
    return WriteAll(fd, bytes) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
}

// The bytes go into a file without a name, which vanishes with the process if it dies while
// writing. Once complete it gets a temporary name and is renamed over the target: between
// those two steps only, a crash leaves a named temporary (RemoveStaleTemporaries clears it).
Written WriteUnnamed(const std::string& folder, const std::string& base, const std::string& target,
                     mode_t mode, std::string_view bytes) {
    const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        // EOPNOTSUPP, EISDIR or EINVAL: the file system or kernel has no unnamed files. Any
        // other reason (no folder, no rights, a full disk) the named path meets as well.
        return Written::NoUnnamedFiles;
    }
    if (!FillAndFlush(fd, mode, bytes)) {
        close(fd);
        return Written::Failed;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    std::string temp;
    int linked = -1;
    for (int attempt = 0; attempt < 100 && linked != 0; ++attempt) {
        temp = TemporaryName(folder, base);
        linked = linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW);
        if (linked != 0 && errno != EEXIST) {
            break;
        }
    }
    const int linkError = errno;
    close(fd);
    if (linked != 0) {
        return linkError == ENOENT ? Written::NoUnnamedFiles : Written::Failed;  // no /proc
    }
    if (rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
        return Written::Failed;
    }
    return Written::Done;
}

bool WriteNamed(const std::string& folder, const std::string& base, const std::string& target,
                mode_t mode, std::string_view bytes) {
    std::string temp = folder + "/." + base + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    temp.assign(name.data());
    const bool written = FillAndFlush(fd, mode, bytes);
    if (close(fd) != 0 || !written || rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    return true;
}

Ownership Classify(const struct stat& st) {
    if (S_ISREG(st.st_mode)) {
        return st.st_uid == geteuid() ? Ownership::File : Ownership::NotOwn;
    }
    if (S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & S_IWOTH) == 0) {
        return Ownership::Own;
    }
    return Ownership::NotOwn;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& out) {
    return ReadFileBounded(path, kMaxWholeFileBytes, out) == ReadResult::Read;
}

ReadResult ReadFileBounded(const std::string& path, std::size_t maxBytes, std::string& out,
                           FileOwners owners) {
    out.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
    }
    const ReadResult result = ReadOpenedFile(fd, path, maxBytes, out, owners);
    close(fd);
    if (result != ReadResult::Read) {
        out.clear();
    }
    return result;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = ResolveTarget(path);
    struct stat st {};
    const bool exists = stat(target.c_str(), &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || access(target.c_str(), W_OK) != 0)) {
        return false;  // a read-only file stays read-only, even though its folder is writable
    }
    const std::string folder = FolderOf(target);
    const std::size_t slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const mode_t mode = exists ? (st.st_mode & 07777) : NewFileMode();
    const Written written = WriteUnnamed(folder, base, target, mode, bytes);
    if (written == Written::NoUnnamedFiles ? !WriteNamed(folder, base, target, mode, bytes)
                                           : written == Written::Failed) {
        return false;
    }
    // Make the rename itself durable; a failure here leaves a correct file, so it is ignored.
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

int RemoveStaleTemporaries(const std::string& folder, std::string_view fileName,
                           int maxAgeSeconds) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    const time_t now = time(nullptr);
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        if (!IsTemporaryName(entry->d_name, fileName)) {
            continue;
        }
        struct stat st {};
        if (fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == geteuid() && now - st.st_mtime >= maxAgeSeconds &&
            unlinkat(dirfd(dir), entry->d_name, 0) == 0) {
            ++removed;
        }
    }
    closedir(dir);
    return removed;
}

FolderLock::FolderLock(const std::string& filePath) : target_(ResolveTarget(filePath)) {
    fd_ = open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ >= 0) {
        while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) {
        close(fd_);  // closing releases the lock
    }
}

void FolderLock::RemoveLeftovers() const {
    if (fd_ < 0) {
        return;
    }
    const std::size_t slash = target_.rfind('/');
    RemoveStaleTemporaries(FolderOf(target_),
                           slash == std::string::npos ? target_ : target_.substr(slash + 1), 0);
}

Ownership FolderOwnership(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        return errno == ENOENT ? Ownership::Missing : Ownership::NotOwn;
    }
    return Classify(st);
}

Ownership PrivateFolderOwnership(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) {
        return errno == ENOENT ? Ownership::Missing : Ownership::NotOwn;
    }
    const bool own = S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
    return own ? Ownership::Own : Ownership::NotOwn;
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RemoveFile(const std::string& path) {
    return unlink(path.c_str()) == 0;
}

bool MakeDirectory(const std::string& path) {
    return mkdir(path.c_str(), 0700) == 0;
}

bool MakeDirectoryAndParent(const std::string& path) {
    const std::string parent = FolderOf(path);
    if (!IsDirectory(parent)) {
        MakeDirectory(parent);
    }
    return MakeDirectory(path) || IsDirectory(path);
}

bool CanMakeFilesIn(const std::string& folder) {
    std::string path = folder;
    // The folder itself, its parent, or the parent's parent: two levels may be made.
    for (int level = 0; level < 3; ++level) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0) {
            if (errno != ENOENT) {
                return false;  // under a file, or no right to look
            }
            path = FolderOf(path);
            continue;
        }
        // access() weighs the permission bits, access lists, an immutable folder and a
        // read-only mount (EROFS), which a probe file would find out the same way, without
        // leaving one behind when the program is killed. AT_EACCESS asks for the ids that
        // make the files.
        return IsDirectory(path) && faccessat(AT_FDCWD, path.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
    }
    return false;
}

int RemoveOwnFiles(const std::string& folder,
                   const std::function<bool(std::string_view name)>& matches) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        if (!matches(entry->d_name)) {
            continue;
        }
        struct stat st {};
        if (fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == geteuid() &&
            unlinkat(dirfd(dir), entry->d_name, 0) == 0) {
            ++removed;
        }
    }
    closedir(dir);
    return removed;
}

}  // namespace tarnwick::platform
