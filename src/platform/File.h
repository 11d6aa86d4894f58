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

    // As create(), but an existing file keeps its content until truncate(), so
    // that the caller can first check what it opened (e.g. sameFileAs()).
    static File createKeepingContent(const std::string& path);
    bool truncate();

    bool isOpen() const { return m_fd >= 0; }
    bool isRegularFile() const;
    // The size now; -1 when unknown.
    long long size() const;
    // True when both are open on the same file (device and inode).
    bool sameFileAs(const File& other) const;

    // Copies up to size bytes from the current offset of source to this file's
    // inside the kernel (copy_file_range). The number of bytes copied (0 at the
    // end of the source), or -1 with errno set; EXDEV, EINVAL, ENOSYS,
    // EOPNOTSUPP or EBADF mean the kernel refuses this pair of files.
    ssize_t copyFrom(File& source, std::size_t size);

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

    // Closes the file; false when the close reported an error (e.g. a write that
    // the file system could not complete). Closing a closed file is true.
    bool close();

private:
    explicit File(int fd) : m_fd(fd) {}

    int m_fd = -1;
};

}  // namespace sk::platform
