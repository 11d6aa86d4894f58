/* Moves an unpacked package from its private folder into the folder the user
   named, asking before anything there is replaced. */
#pragma once

#include <stdbool.h>
#include <stddef.h>

typedef struct {
    unsigned existing;       /* files of the package that are already in the target */
    char first_existing[1024];
    char error[1024];
} sfx_installation;

/* Counts the package's files that already exist in the target folder. Returns
   false with error set when a package entry cannot take its place at all (a
   folder where the target has a file, or the other way round). */
bool sfx_find_existing(int staged_fd, int target_fd, sfx_installation* installation);

/* Moves everything from the staged folder into the target; existing files are
   replaced, existing folders are merged into. */
bool sfx_move_into(int staged_fd, int target_fd, sfx_installation* installation);
