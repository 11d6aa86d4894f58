/* The private folder a show is unpacked into, and the sweep of folders that
   earlier runs left behind when they were killed. */
#include "ShowFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "FolderWriter.h"

enum { kYoungestSwept = 3 /* seconds */ };

static bool usable_base(const char* folder) {
    struct stat info;
    return folder && folder[0] == '/' && stat(folder, &info) == 0 && S_ISDIR(info.st_mode) &&
           access(folder, W_OK | X_OK) == 0;
}

bool sfx_show_base(char* base, size_t size) {
    const char* candidates[] = {getenv("XDG_RUNTIME_DIR"), getenv("TMPDIR"), "/tmp"};
    for (size_t i = 0; i < sizeof candidates / sizeof candidates[0]; ++i) {
        if (usable_base(candidates[i]) && (size_t)snprintf(base, size, "%s", candidates[i]) < size) return true;
    }
    return false;
}

int sfx_create_show_folder(const char* base, char* path, size_t size) {
    if ((size_t)snprintf(path, size, "%s/" SFX_SHOW_FOLDER_PREFIX "XXXXXX", base) >= size) return -1;
    if (!mkdtemp(path)) return -1;
    int folder = open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder >= 0 && flock(folder, LOCK_EX | LOCK_NB) == 0) return folder;
    if (folder >= 0) close(folder);
    rmdir(path);
    return -1;
}

static bool abandoned(int base_fd, const char* name) {
    struct stat info;
    if (fstatat(base_fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(info.st_mode)) return false;
    if (info.st_uid != getuid() || time(NULL) - info.st_ctime < kYoungestSwept) return false;
    int folder = openat(base_fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) return false;
    bool unlocked = flock(folder, LOCK_EX | LOCK_NB) == 0;
    close(folder);
    return unlocked;
}

void sfx_sweep_abandoned(const char* base) {
    DIR* folder = opendir(base);
    if (!folder) return;
    for (struct dirent* entry; (entry = readdir(folder)) != NULL;) {
        if (strncmp(entry->d_name, SFX_SHOW_FOLDER_PREFIX, strlen(SFX_SHOW_FOLDER_PREFIX)) != 0) continue;
        if (abandoned(dirfd(folder), entry->d_name)) sfx_remove_tree(dirfd(folder), entry->d_name);
    }
    closedir(folder);
}
