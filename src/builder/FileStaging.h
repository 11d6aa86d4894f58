// The four file operations of staging: the staging folder, the copy, the delete
// and the rename. Only the copy is work of our own: fixed 8192-byte chunks,
// missing destination folders created, the source's time carried over, and each
// failure raised as an error with a fixed message (builder/StreamErrors.h).
#pragma once

#include <cstddef>
#include <string>

namespace sk::builder {

class FileStaging {
public:
    static constexpr std::size_t kCopyBufferSize = 8192;

    // The private staging folder, ending in "/", or "" when there is none (staged
    // names are then taken relative to the current folder). Looked up anew each time.
    static std::string temporaryDirectory();

    // Copies source to destination. A destination naming an existing folder
    // receives the file under the source's own name. Throws EFOpenError,
    // EFCreateError, EReadError or EWriteError; a destination created before a
    // read or write error stays with what was written so far.
    static void copyFile(const std::string& source, const std::string& destination);

    // Plain delete: false for a missing, read-only or folder path.
    static bool deleteFile(const std::string& path);

    // Plain rename: false when the old file is missing or the new name exists.
    static bool renameFile(const std::string& oldPath, const std::string& newPath);

    // Creates every missing folder of a folder path, ignoring failures.
    static void createMissingFolders(const std::string& folder);
};

}  // namespace sk::builder
