/* The private folder a show is unpacked into, and the sweep of folders that
   earlier runs left behind when they were killed. */
#pragma once

#include <stdbool.h>
#include <stddef.h>

/* The name every show folder starts with. */
#define SFX_SHOW_FOLDER_PREFIX "slidekiln-show-"

/* Picks the folder that show folders are made in: $XDG_RUNTIME_DIR, else
   $TMPDIR, else /tmp, the first that is an absolute path of a folder we may
   write in. Returns false when none is. */
bool sfx_show_base(char* base, size_t size);

/* Makes a new private folder (mode 0700) in base and returns a descriptor of it
   that holds a lock for as long as this process lives; stores its path. */
int sfx_create_show_folder(const char* base, char* path, size_t size);

/* Removes the show folders in base that are ours and that no living run holds
   locked. Folders younger than a few seconds are left: their run may not have
   taken its lock yet. */
void sfx_sweep_abandoned(const char* base);
