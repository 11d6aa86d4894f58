#include "platform/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace sk::platform {

namespace {

std::string withTrailingSlash(std::string path) {
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

// The temporary folder the private folder is made in.
std::string temporaryBase() {
    const char* configured = std::getenv("TMPDIR");
    // A relative TMPDIR would name a folder that depends on the current folder.
    return configured && *configured == '/' ? configured : "/tmp";
}

// Whether nobody else can move our folder away and put a link of theirs under
// its name: the folder above it belongs to us or to root, and others cannot
// write into it, or it is sticky (as /tmp is), so that only owners remove names.
bool keepsOurFolder(const std::string& base) {
    struct stat info {};
    if (::stat(base.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    if (info.st_uid != ::geteuid() && info.st_uid != 0) return false;
    return (info.st_mode & (S_IWGRP | S_IWOTH)) == 0 || (info.st_mode & S_ISVTX) != 0;
}

}  // namespace

std::string FileSystem::privateFolderPath() {
    // No trailing slash here: with one, lstat() would follow a link to its target.
    return withTrailingSlash(temporaryBase()) + "slidekiln-" + std::to_string(::geteuid());
}

std::string FileSystem::temporaryDirectory() {
    if (!keepsOurFolder(temporaryBase())) return "";
    const std::string folder = privateFolderPath();

    // A shared temporary folder is writable by everyone: the staged names are fixed,
    // so a folder that someone else owns or can write into could hold a planted link
    // or file. Only a folder of our own that nobody else can enter is used.
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return "";
    // Opened without following a link, so that the checks and the repair below
    // concern the very folder that was found, not one swapped in meanwhile.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return "";
    struct stat info {};
    bool usable = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
    // Our own folder with too open a mode (an old umask, a careless chmod) is
    // repaired rather than refused for ever.
    if (usable && (info.st_mode & 077) != 0) usable = ::fchmod(fd, 0700) == 0;
    ::close(fd);
    return usable ? folder + "/" : "";
}

std::string FileSystem::programFolder() {
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return "";
        if (static_cast<std::size_t>(length) < buffer.size()) {
            std::string path(buffer.data(), static_cast<std::size_t>(length));
            return path.substr(0, path.rfind('/') + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string FileSystem::currentFolder() {
    char* path = ::getcwd(nullptr, 0);
    if (!path) return "";
    std::string folder = withTrailingSlash(path);
    std::free(path);
    return folder;
}

bool FileSystem::exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool FileSystem::isDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool FileSystem::isExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0111) != 0;
}

bool FileSystem::createDirectory(const std::string& path) {
    return ::mkdir(path.c_str(), 0777) == 0;
}

bool FileSystem::deleteFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return false;
    if (S_ISDIR(info.st_mode)) return false;
    if (!S_ISLNK(info.st_mode) && (info.st_mode & 0222) == 0) return false;
    return ::unlink(path.c_str()) == 0;
}

bool FileSystem::renameFile(const std::string& oldPath, const std::string& newPath) {
    if (::renameat2(AT_FDCWD, oldPath.c_str(), AT_FDCWD, newPath.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // The file system cannot rename without replacing atomically; check first.
    struct stat info {};
    if (::lstat(newPath.c_str(), &info) == 0 || errno != ENOENT) return false;
    return ::rename(oldPath.c_str(), newPath.c_str()) == 0;
}

std::optional<timespec> FileSystem::modificationTime(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return info.st_mtim;
}

}  // namespace sk::platform
