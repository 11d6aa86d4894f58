/* Reads the archive of a package with libarchive: lists it, checks it, or
   extracts it into a folder. */
#include "PackageReader.h"

#include <archive.h>
#include <archive_entry.h>
#include <errno.h>
#include <inttypes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "EntryName.h"
#include "FolderWriter.h"

/* The archive as libarchive sees it: the bytes of fd from the payload's start. */
typedef struct {
    int fd;
    off_t start;
    off_t size;
    off_t position;
    char buffer[1 << 16];
} payload_stream;

static la_ssize_t payload_read(struct archive* archive, void* data, const void** block) {
    payload_stream* stream = data;
    ssize_t got;
    do {
        got = pread(stream->fd, stream->buffer, sizeof stream->buffer, stream->start + stream->position);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        archive_set_error(archive, errno, "cannot read the package: %s", strerror(errno));
        return -1;
    }
    stream->position += got;
    *block = stream->buffer;
    return got;
}

static la_int64_t payload_seek(struct archive* archive, void* data, la_int64_t offset, int whence) {
    payload_stream* stream = data;
    la_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? stream->position : stream->size;
    if (base + offset < 0) {
        archive_set_error(archive, EINVAL, "seek before the start of the archive");
        return ARCHIVE_FATAL;
    }
    stream->position = base + offset;
    return stream->position;
}

static la_int64_t payload_skip(struct archive* archive, void* data, la_int64_t request) {
    (void)archive;
    payload_stream* stream = data;
    la_int64_t left = stream->size - stream->position;
    la_int64_t skipped = request < left ? request : left;
    if (skipped < 0) skipped = 0;
    stream->position += skipped;
    return skipped;
}

static bool fail(sfx_reading* reading, const char* format, const char* name, const char* detail) {
    snprintf(reading->error, sizeof reading->error, format, name, detail);
    return false;
}

/* libarchive leaves the error text empty for some truncated archives. */
static const char* why(struct archive* archive) {
    const char* text = archive_error_string(archive);
    return text ? text : "the archive ends too early";
}

static bool stopped(const sfx_reading* reading) {
    return reading->stop_request && *reading->stop_request;
}

/* Only plain files and folders with safe names may leave the archive. */
static bool entry_allowed(struct archive_entry* entry, sfx_reading* reading) {
    const char* name = archive_entry_pathname(entry);
    if (!name) return fail(reading, "the package holds an entry without a name%s%s", "", "");
    if (!sfx_entry_name_is_safe(name))
        return fail(reading, "the package holds an entry named \"%s\"%s, which could write outside its folder",
                    name, "");
    const mode_t type = archive_entry_filetype(entry);
    if (archive_entry_hardlink(entry) || archive_entry_symlink(entry) || (type != AE_IFREG && type != AE_IFDIR))
        return fail(reading, "the package holds \"%s\"%s, which is neither a file nor a folder", name, "");
    return true;
}

/* Reads the entry's data, writing it to out (or nowhere when out < 0). The last
   read also verifies the entry's checksum. */
static bool copy_data(struct archive* archive, const char* name, int out, sfx_reading* reading) {
    char buffer[1 << 16];
    for (;;) {
        if (stopped(reading)) return fail(reading, "stopped while unpacking \"%s\"%s", name, "");
        la_ssize_t got = archive_read_data(archive, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0) return fail(reading, "\"%s\" is damaged: %s", name, why(archive));
        reading->bytes += (unsigned long long)got;
        if (out >= 0 && !sfx_write_all(out, buffer, (size_t)got))
            return fail(reading, "cannot write \"%s\": %s", name, strerror(errno));
    }
}

static bool extract_entry(struct archive* archive, struct archive_entry* entry, sfx_reading* reading) {
    const char* name = archive_entry_pathname(entry);
    if (archive_entry_filetype(entry) == AE_IFDIR) {
        if (!sfx_make_folders(reading->folder_fd, name, true))
            return fail(reading, "cannot create the folder \"%s\": %s", name, strerror(errno));
        return true;
    }
    const mode_t mode = (archive_entry_perm(entry) & 0755) | 0600;
    int out = sfx_create_file(reading->folder_fd, name, mode);
    if (out < 0) {
        if (errno == EEXIST) return fail(reading, "the package holds \"%s\" twice%s", name, "");
        return fail(reading, "cannot create \"%s\": %s", name, strerror(errno));
    }
    bool copied = copy_data(archive, name, out, reading);
    if (close(out) != 0 && copied) return fail(reading, "cannot write \"%s\": %s", name, strerror(errno));
    return copied;
}

static bool visit_entry(struct archive* archive, struct archive_entry* entry, sfx_reading* reading) {
    if (!entry_allowed(entry, reading)) return false;
    ++reading->entries;
    switch (reading->mode) {
    case SFX_LIST:
        printf("%12" PRId64 "  %s\n", (int64_t)archive_entry_size(entry), archive_entry_pathname(entry));
        return true;
    case SFX_CHECK:
        return copy_data(archive, archive_entry_pathname(entry), -1, reading);
    case SFX_EXTRACT:
        return extract_entry(archive, entry, reading);
    }
    return false;
}

static bool read_entries(struct archive* archive, sfx_reading* reading) {
    struct archive_entry* entry;
    for (;;) {
        int status = archive_read_next_header(archive, &entry);
        if (status == ARCHIVE_EOF) return true;
        if (status != ARCHIVE_OK)
            return fail(reading, "the package is damaged or incomplete: %s%s", why(archive), "");
        if (!visit_entry(archive, entry, reading)) return false;
    }
}

bool sfx_read_package(int fd, off_t offset, sfx_reading* reading) {
    struct stat info;
    if (fstat(fd, &info) != 0) return fail(reading, "cannot read the package: %s%s", strerror(errno), "");
    payload_stream* stream = malloc(sizeof *stream);
    struct archive* archive = stream ? archive_read_new() : NULL;
    if (!archive) {
        free(stream);
        return fail(reading, "out of memory%s%s", "", "");
    }
    *stream = (payload_stream){.fd = fd, .start = offset, .size = info.st_size - offset, .position = 0};
    archive_read_support_format_7zip(archive);
    archive_read_set_read_callback(archive, payload_read);
    archive_read_set_seek_callback(archive, payload_seek);
    archive_read_set_skip_callback(archive, payload_skip);
    archive_read_set_callback_data(archive, stream);
    bool read = false;
    if (archive_read_open1(archive) != ARCHIVE_OK)
        fail(reading, "the package is damaged or incomplete: %s%s", why(archive), "");
    else
        read = read_entries(archive, reading);
    archive_read_free(archive);
    free(stream);
    return read;
}
