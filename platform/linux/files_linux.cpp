#include "platform/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
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

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& out) {
    out.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close(fd);
        return false;
    }
    if (st.st_size > 0) {
        out.reserve(static_cast<std::size_t>(st.st_size));
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            out.clear();
            close(fd);
            return false;
        }
        if (n == 0) {
            break;
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return true;
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
    std::string temp = folder + "/." + base + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    temp.assign(name.data());
    const mode_t mode = exists ? (st.st_mode & 07777) : NewFileMode();
    const bool written = WriteAll(fd, bytes) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    if (close(fd) != 0 || !written || rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
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

FolderLock::FolderLock(const std::string& filePath) {
    fd_ = open(FolderOf(ResolveTarget(filePath)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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

}  // namespace tarnwick::platform
