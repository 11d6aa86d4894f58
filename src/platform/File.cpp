#include "platform/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace sk::platform {

File::~File() {
    close();
}

File::File(File&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

File File::openForReading(const std::string& path) {
    // Non-blocking only for the open itself, so a named pipe cannot hang it.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return File();
    File file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) return File();
    int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return File();
    return file;
}

File File::create(const std::string& path) {
    File file = createKeepingContent(path);
    if (file.isOpen() && !file.truncate()) return File();
    return file;
}

File File::createKeepingContent(const std::string& path) {
    // No O_TRUNC: a read-only file must be refused before anything of it is lost,
    // and root could truncate it. O_NOFOLLOW: a link planted under the destination
    // name must never redirect the write.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) return File();
    File file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) return File();
    if (S_ISDIR(info.st_mode) || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) return File();
    if (S_ISREG(info.st_mode) && (info.st_mode & 0222) == 0) return File();
    int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return File();
    return file;
}

bool File::truncate() {
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) return false;
    return !S_ISREG(info.st_mode) || info.st_size == 0 || ::ftruncate(m_fd, 0) == 0;
}

bool File::isRegularFile() const {
    struct stat info {};
    return ::fstat(m_fd, &info) == 0 && S_ISREG(info.st_mode);
}

long long File::size() const {
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) return -1;
    return static_cast<long long>(info.st_size);
}

bool File::sameFileAs(const File& other) const {
    struct stat mine {}, theirs {};
    if (::fstat(m_fd, &mine) != 0 || ::fstat(other.m_fd, &theirs) != 0) return false;
    return mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}

ssize_t File::copyFrom(File& source, std::size_t size) {
    for (;;) {
        ssize_t count = ::copy_file_range(source.m_fd, nullptr, m_fd, nullptr, size, 0);
        if (count >= 0 || errno != EINTR) return count;
    }
}

ssize_t File::readFully(void* buffer, std::size_t size) {
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        ssize_t count = ::read(m_fd, bytes + done, size - done);
        if (count < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (count == 0) break;
        done += static_cast<std::size_t>(count);
    }
    return static_cast<ssize_t>(done);
}

bool File::writeAll(const void* buffer, std::size_t size) {
    const auto* bytes = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        ssize_t count = ::write(m_fd, bytes + done, size - done);
        if (count < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (count == 0) return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

timespec File::modificationTime() const {
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) return timespec{};
    return info.st_mtim;
}

bool File::setModificationTime(const timespec& time) {
    struct stat info {};
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const timespec times[2] = {{0, UTIME_OMIT}, time};
    return ::futimens(m_fd, times) == 0;
}

bool File::close() {
    if (m_fd < 0) return true;
    // The descriptor is gone after close() whatever it reports: never retried.
    const int fd = std::exchange(m_fd, -1);
    return ::close(fd) == 0 || errno == EINTR;
}

}  // namespace sk::platform
