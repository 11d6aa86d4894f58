#include "builder/FileStaging.h"

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

    File input = File::openForReading(source);
    if (!input.isOpen()) throw EFOpenError(source);

    createMissingFolders(folderOf(target));

    File output = File::create(target);
    if (!output.isOpen()) throw EFCreateError(target);

    // FIXME: 8192-byte chunks cost two system calls per 8 KiB; on a cached 256 MiB
    // file this reaches only about half of the throughput of cp, which copies inside
    // the kernel (bench/staging_copy_bench.cpp). Larger chunks or copy_file_range()
    // would close the gap.
    for (;;) {
        ssize_t count = input.readFully(buffer.get(), kCopyBufferSize);
        if (count < 0) throw EReadError();
        if (count > 0 && !output.writeAll(buffer.get(), static_cast<std::size_t>(count))) throw EWriteError();
        if (static_cast<std::size_t>(count) < kCopyBufferSize) break;
    }

    output.setModificationTime(evenSecondsOf(input.modificationTime()));
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
