/* Moves an unpacked package from its private folder into the folder the user
   named, asking before anything there is replaced. */
#include "Installer.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

typedef bool (*entry_visitor)(int staged_fd, int target_fd, const char* name, bool is_folder,
                              sfx_installation* installation);

static int open_folder(int parent_fd, const char* name) {
    return openat(parent_fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

static bool visit_folder(int staged_fd, int target_fd, entry_visitor visit, sfx_installation* installation) {
    /* A listing of its own: a duplicate descriptor would share the position of
       an earlier listing, which stands at the end. */
    int listing_fd = openat(staged_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* folder = listing_fd >= 0 ? fdopendir(listing_fd) : NULL;
    if (!folder) {
        snprintf(installation->error, sizeof installation->error, "cannot read the unpacked files: %s",
                 strerror(errno));
        return false;
    }
    bool visited = true;
    for (struct dirent* entry; visited && (entry = readdir(folder)) != NULL;) {
        if (strcmp(entry->d_name, ".") == 0 || strcmp(entry->d_name, "..") == 0) continue;
        struct stat info;
        if (fstatat(staged_fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
        visited = visit(staged_fd, target_fd, entry->d_name, S_ISDIR(info.st_mode), installation);
    }
    closedir(folder);
    return visited;
}

/* Runs visit over the folder pair below name, then closes both. */
static bool visit_subfolders(int staged_fd, int target_fd, const char* name, entry_visitor visit,
                             sfx_installation* installation) {
    int staged = open_folder(staged_fd, name);
    int target = open_folder(target_fd, name);
    bool visited = staged >= 0 && target >= 0 && visit_folder(staged, target, visit, installation);
    if (!visited && !installation->error[0])
        snprintf(installation->error, sizeof installation->error, "cannot open the folder \"%s\": %s", name,
                 strerror(errno));
    if (staged >= 0) close(staged);
    if (target >= 0) close(target);
    return visited;
}

static bool count_existing(int staged_fd, int target_fd, const char* name, bool is_folder,
                           sfx_installation* installation) {
    struct stat existing;
    if (fstatat(target_fd, name, &existing, AT_SYMLINK_NOFOLLOW) != 0) return true;
    if (is_folder != S_ISDIR(existing.st_mode)) {
        snprintf(installation->error, sizeof installation->error,
                 "\"%s\" exists as a %s, but the package holds a %s of that name", name,
                 S_ISDIR(existing.st_mode) ? "folder" : "file", is_folder ? "folder" : "file");
        return false;
    }
    if (is_folder) return visit_subfolders(staged_fd, target_fd, name, count_existing, installation);
    if (installation->existing++ == 0)
        snprintf(installation->first_existing, sizeof installation->first_existing, "%s", name);
    return true;
}

static bool move_entry(int staged_fd, int target_fd, const char* name, bool is_folder,
                       sfx_installation* installation) {
    struct stat existing;
    if (is_folder && fstatat(target_fd, name, &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return visit_subfolders(staged_fd, target_fd, name, move_entry, installation);
    /* A rename replaces a file (or a link planted in its place) and never writes
       through a link. */
    if (renameat(staged_fd, name, target_fd, name) == 0) return true;
    snprintf(installation->error, sizeof installation->error, "cannot write \"%s\": %s", name, strerror(errno));
    return false;
}

bool sfx_find_existing(int staged_fd, int target_fd, sfx_installation* installation) {
    return visit_folder(staged_fd, target_fd, count_existing, installation);
}

bool sfx_move_into(int staged_fd, int target_fd, sfx_installation* installation) {
    return visit_folder(staged_fd, target_fd, move_entry, installation);
}
