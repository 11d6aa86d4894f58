/* Reads the archive of a package with libarchive: lists it, checks it, or
   extracts it into a folder. */
#pragma once

#include <signal.h>
#include <stdbool.h>
#include <stddef.h>
#include <sys/types.h>

typedef enum {
    SFX_LIST,    /* name and size of every entry */
    SFX_CHECK,   /* read every entry's data, which verifies its checksum */
    SFX_EXTRACT, /* write every entry into the folder */
} sfx_read_mode;

typedef struct {
    sfx_read_mode mode;
    int folder_fd;                        /* where SFX_EXTRACT writes */
    volatile sig_atomic_t* stop_request; /* set by a signal handler to abandon the work */
    unsigned long long entries;           /* counted while reading */
    unsigned long long bytes;
    char error[1024];                     /* why the reading failed */
} sfx_reading;

/* Reads the archive that starts at offset in fd. Returns false with
   reading->error set when the archive is truncated, corrupt or holds an entry
   that may not be extracted (an unsafe name, a link, a device). */
bool sfx_read_package(int fd, off_t offset, sfx_reading* reading);
