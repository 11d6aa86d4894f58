#include "builder/FileStaging.h"

#include <cerrno>
#include <memory>

#include "builder/StreamErrors.h"
#include "platform/File.h"
#include "platform/FileSystem.h"

namespace sk::builder {

using platform::File;
using platform::FileSystem;

namespace {

// The name part of a path: what follows its last "/".
std::string fileNameOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The folder part of a path, up to and including its last "/"; "" without one.
std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The copy keeps modification times at two-second resolution, as the staged
// files' consumers (the archive formats of the viewer packages) store them.
timespec evenSecondsOf(timespec time) {
    time_t seconds = time.tv_sec;
    seconds -= ((seconds % 2) + 2) % 2;  // down, also before 1970
    return timespec{seconds, 0};
}

bool kernelRefusesCopy(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == EBADF;
}

bool isWriteSideError(int error) {
    return error == ENOSPC || error == EDQUOT || error == EFBIG || error == EPERM;
}

}  // namespace

std::string FileStaging::temporaryDirectory() {
    return FileSystem::temporaryDirectory();
}

void FileStaging::copyFile(const std::string& source, const std::string& destination) {
    std::string target = destination;
    if (FileSystem::isDirectory(target)) {
        if (target.back() != '/') target += '/';
        target += fileNameOf(source);
    }

    auto buffer = std::make_unique<char[]>(kCopyBufferSize);

    // Regular files only: a pipe without a writer would give an empty copy and a
    // device such as /dev/zero a copy without end.
    File input = File::openForReading(source);
    if (!input.isOpen() || !input.isRegularFile()) throw EFOpenError(source);
    const long long sourceSize = input.size();

    createMissingFolders(folderOf(target));

    // Opened before it is emptied, so that a destination that is the source
    // itself (through another name or a link to its folder) is refused intact.
    File output = File::createKeepingContent(target);
    if (!output.isOpen() || output.sameFileAs(input) || !output.truncate()) throw EFCreateError(target);

    const long long copied = copyContent(input, output, buffer.get());
    // A source that shrank or grew meanwhile would give a copy of neither version.
    if (copied != sourceSize || input.size() != sourceSize) throw EReadError();

    output.setModificationTime(evenSecondsOf(input.modificationTime()));
    if (!output.close()) throw EWriteError();
}

long long FileStaging::copyContent(File& input, File& output, char* buffer) {
    long long copied = 0;
    // The kernel's copy first: no data passes through our memory. Where it
    // refuses this pair of files (another file system on an old kernel, a device,
    // a /proc file), the chunked loop goes on from where it stopped.
    for (;;) {
        ssize_t count = output.copyFrom(input, kKernelCopyChunk);
        if (count == 0) return copied;
        if (count < 0) {
            if (kernelRefusesCopy(errno)) break;
            if (isWriteSideError(errno)) throw EWriteError();
            throw EReadError();
        }
        copied += count;
    }
    for (;;) {
        ssize_t count = input.readFully(buffer, kCopyBufferSize);
        if (count < 0) throw EReadError();
        if (count > 0 && !output.writeAll(buffer, static_cast<std::size_t>(count))) throw EWriteError();
        copied += count;
        if (static_cast<std::size_t>(count) < kCopyBufferSize) return copied;
    }
}

bool FileStaging::deleteFile(const std::string& path) {
    return FileSystem::deleteFile(path);
}

bool FileStaging::renameFile(const std::string& oldPath, const std::string& newPath) {
    return FileSystem::renameFile(oldPath, newPath);
}

void FileStaging::createMissingFolders(const std::string& folder) {
    std::string path = folder;
    if (!path.empty() && path.back() == '/') path.pop_back();
    if (path.empty() || FileSystem::isDirectory(path)) return;
    std::string parent = folderOf(path);
    if (parent == path) return;
    createMissingFolders(parent);
    FileSystem::createDirectory(path);
}

}  // namespace sk::builder
