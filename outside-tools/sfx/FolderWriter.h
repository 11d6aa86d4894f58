/* Creates files and folders below a folder without ever following a link, so
   that whatever lies in the folder already cannot redirect a write outside it. */
#pragma once

#include <stdbool.h>
#include <stddef.h>
#include <sys/types.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Creates the folders of a relative name below folder_fd: all of them when
   including_last, else all but the last component. Existing folders are used;
   a link or a file on the way fails with errno set. */
bool sfx_make_folders(int folder_fd, const char* name, bool including_last);

/* Creates the file of a relative name below folder_fd, with its folders, and
   returns a descriptor open for writing, or -1 with errno set. The file must not
   exist yet: a link, or a file of the same name, fails with EEXIST or ELOOP. */
int sfx_create_file(int folder_fd, const char* name, mode_t mode);

/* Opens the folder of a relative name's last component below folder_fd,
   following no link; returns -1 with errno set. Stores the last component. */
int sfx_open_parent(int folder_fd, const char* name, const char** last);

/* Writes the whole buffer, going on after interruptions. */
bool sfx_write_all(int fd, const void* buffer, size_t size);

/* Removes the folder's contents and then the folder, following no link. */
bool sfx_remove_tree(int parent_fd, const char* name);

#ifdef __cplusplus
}
#endif
