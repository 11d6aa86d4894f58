// The four file operations of staging: the staging folder, the copy, the delete
// and the rename. Only the copy is work of our own: fixed 8192-byte chunks,
// missing destination folders created, the source's time carried over, and each
// failure raised as an error with a fixed message (builder/StreamErrors.h).
#pragma once

#include <cstddef>
#include <string>

#include "platform/File.h"

namespace sk::builder {

class FileStaging {
public:
    static constexpr std::size_t kCopyBufferSize = 8192;
    // What one kernel copy call is asked for; it may copy less.
    static constexpr std::size_t kKernelCopyChunk = std::size_t{1} << 30;

    // The private staging folder, ending in "/", or "" when there is none (staged
    // names are then taken relative to the current folder). Looked up anew each time.
    static std::string temporaryDirectory();

    // Copies source to destination. A destination naming an existing folder
    // receives the file under the source's own name. Throws EFOpenError (also for
    // a source that is not a regular file), EFCreateError (also for a destination
    // that is the source itself), EReadError (also when the bytes copied differ
    // from the source's size) or EWriteError (also when closing the copy fails);
    // a destination created before a read or write error stays with what was
    // written so far.
    static void copyFile(const std::string& source, const std::string& destination);

    // Plain delete: false for a missing, read-only or folder path.
    static bool deleteFile(const std::string& path);

    // Plain rename: false when the old file is missing or the new name exists.
    static bool renameFile(const std::string& oldPath, const std::string& newPath);

    // Creates every missing folder of a folder path, ignoring failures.
    static void createMissingFolders(const std::string& folder);

private:
    // Copies from the current offsets to the end of input; the number of bytes.
    static long long copyContent(platform::File& input, platform::File& output, char* buffer);
};

}  // namespace sk::builder
