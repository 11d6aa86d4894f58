// An open file: the descriptor-level operations of the staging copy, closed when
// the object goes. Failures come back as results; the caller decides what they mean.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <ctime>
#include <string>

namespace sk::platform {

class File {
public:
    File() = default;
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens an existing file for reading. Folders are refused.
    static File openForReading(const std::string& path);

    // Creates a file for reading and writing, or empties an existing one. Never
    // follows a link in the last component of the path; refuses a folder, a pipe,
    // a socket and a read-only file (a mode without write bits, even for root).
    static File create(const std::string& path);

    bool isOpen() const { return m_fd >= 0; }

    // Reads until the buffer is full or the end is reached; the number of bytes
    // read, or -1 on failure.
    ssize_t readFully(void* buffer, std::size_t size);

    // Writes all the bytes; false when any of them could not be written.
    bool writeAll(const void* buffer, std::size_t size);

    // The last-modification time (zero when unknown).
    timespec modificationTime() const;

    // Sets the last-modification time of a regular file, leaving its access time.
    // Devices are left alone.
    bool setModificationTime(const timespec& time);

    void close();

private:
    explicit File(int fd) : m_fd(fd) {}

    int m_fd = -1;
};

}  // namespace sk::platform
