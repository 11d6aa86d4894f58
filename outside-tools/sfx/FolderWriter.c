/* Creates files and folders below a folder without ever following a link, so
   that whatever lies in the folder already cannot redirect a write outside it. */
#include "FolderWriter.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static int open_folder(int parent_fd, const char* component) {
    return openat(parent_fd, component, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

/* Creates the folder component below current if missing and opens it; closes
   current either way. */
static int enter(int current, const char* component) {
    int next = -1;
    if (mkdirat(current, component, 0700) == 0 || errno == EEXIST) next = open_folder(current, component);
    int saved = errno;
    close(current);
    errno = saved;
    return next;
}

/* Walks the components of name from folder_fd, creating missing folders; stops
   before the last component unless including_last. Returns the descriptor of
   the folder reached (a new one, or a duplicate of folder_fd). */
static int walk(int folder_fd, const char* name, bool including_last, const char** last) {
    char path[PATH_MAX];
    if (strlen(name) >= sizeof path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    strcpy(path, name);
    size_t length = strlen(path);
    while (length > 1 && path[length - 1] == '/') path[--length] = '\0';

    int current = fcntl(folder_fd, F_DUPFD_CLOEXEC, 0);
    char* component = path;
    for (char* slash; current >= 0 && (slash = strchr(component, '/')) != NULL; component = slash + 1) {
        *slash = '\0';
        current = enter(current, component);
    }
    if (current >= 0 && including_last) current = enter(current, component);
    if (last) *last = name + (component - path);
    return current;
}

bool sfx_make_folders(int folder_fd, const char* name, bool including_last) {
    int reached = walk(folder_fd, name, including_last, NULL);
    if (reached < 0) return false;
    close(reached);
    return true;
}

int sfx_open_parent(int folder_fd, const char* name, const char** last) {
    return walk(folder_fd, name, false, last);
}

int sfx_create_file(int folder_fd, const char* name, mode_t mode) {
    const char* leaf;
    int parent = walk(folder_fd, name, false, &leaf);
    if (parent < 0) return -1;
    int file = openat(parent, leaf, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    int saved = errno;
    close(parent);
    errno = saved;
    return file;
}

bool sfx_write_all(int fd, const void* buffer, size_t size) {
    const char* next = buffer;
    while (size > 0) {
        ssize_t written = write(fd, next, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            return false;
        }
        next += written;
        size -= (size_t)written;
    }
    return true;
}

static bool remove_contents(int folder_fd) {
    DIR* folder = fdopendir(folder_fd);
    if (!folder) {
        close(folder_fd);
        return false;
    }
    bool removed = true;
    for (struct dirent* entry; (entry = readdir(folder)) != NULL;) {
        if (strcmp(entry->d_name, ".") == 0 || strcmp(entry->d_name, "..") == 0) continue;
        if (unlinkat(dirfd(folder), entry->d_name, 0) == 0) continue;
        if (errno == EISDIR || errno == EPERM) {
            removed = sfx_remove_tree(dirfd(folder), entry->d_name) && removed;
        } else if (errno != ENOENT) {
            removed = false;
        }
    }
    closedir(folder);
    return removed;
}

bool sfx_remove_tree(int parent_fd, const char* name) {
    int folder = open_folder(parent_fd, name);
    if (folder < 0) return unlinkat(parent_fd, name, 0) == 0 || errno == ENOENT;
    /* A folder the viewer made read-only must still be emptied. */
    fchmod(folder, 0700);
    bool removed = remove_contents(folder);
    return unlinkat(parent_fd, name, AT_REMOVEDIR) == 0 && removed;
}
