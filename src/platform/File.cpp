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
    // No O_TRUNC: a read-only file must be refused before anything of it is lost,
    // and root could truncate it. O_NOFOLLOW: a link planted under the destination
    // name must never redirect the write.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) return File();
    File file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) return File();
    if (S_ISDIR(info.st_mode) || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) return File();
    if (S_ISREG(info.st_mode)) {
        if ((info.st_mode & 0222) == 0) return File();
        if (info.st_size != 0 && ::ftruncate(fd, 0) != 0) return File();
    }
    int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return File();
    return file;
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

void File::close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

}  // namespace sk::platform
