// Files and folders as the build pipeline needs them, over POSIX, keeping the
// semantics the build relies on: a delete refuses a read-only file, a rename never
// overwrites, and the staging folder is private to the user.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace sk::platform {

class FileSystem {
public:
    // The private per-user staging folder: $TMPDIR (when absolute, else /tmp)
    // plus "slidekiln-<uid>/", created with mode 0700 when missing. Accepted only
    // when it is a real folder (not a link) owned by the user, in a folder that
    // belongs to the user or root and is sticky or closed to others (so nobody
    // else can swap it); group and other access are taken away from it.
    // Otherwise "" (another user or a link holds the name, or it could be
    // swapped). Looked up anew on every call.
    static std::string temporaryDirectory();
    // Where that folder lies, without a trailing "/" and without any check.
    static std::string privateFolderPath();

    // The folder of the running executable, ending in "/".
    static std::string programFolder();

    // The current folder, ending in "/" ("" when it cannot be read).
    static std::string currentFolder();

    static bool exists(const std::string& path);            // follows links
    static bool isDirectory(const std::string& path);       // follows links
    static bool isExecutableFile(const std::string& path);  // a regular file with an execute bit

    // Creates one folder (mode 0777 less the umask); false when it failed or exists.
    static bool createDirectory(const std::string& path);

    // Deletes a file or a link. Refuses (false) a missing path, a folder and a
    // read-only file, i.e. one whose mode has no write bit at all. The mode decides,
    // not the kernel's access check, so this holds for root as well.
    static bool deleteFile(const std::string& path);

    // Renames a file; false when the old one is missing or the new name exists
    // already (never overwrites).
    static bool renameFile(const std::string& oldPath, const std::string& newPath);

    // The last-modification time of a path (follows links).
    static std::optional<timespec> modificationTime(const std::string& path);
};

}  // namespace sk::platform
