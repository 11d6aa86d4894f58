/* libFuzzer target: arbitrary bytes as a package's archive, read in the check
   mode (every header and every entry's data), and as an entry name and an
   executable image to find an archive behind. Built with -DSLIDEKILN_FUZZ=ON
   and clang, run by scripts/fuzz on the seeds in tests/fuzz/corpus/sfx/. */
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

#include "EntryName.h"
#include "PackageReader.h"
#include "PayloadLocator.h"

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char* name = malloc(size + 1);
    if (!name) return 0;
    memcpy(name, data, size);
    name[size] = '\0';
    sfx_entry_name_is_safe(name);
    free(name);

    int fd = memfd_create("package", 0);
    if (fd < 0) return 0;
    if (write(fd, data, size) == (ssize_t)size) {
        off_t offset;
        sfx_find_payload(fd, &offset);
        sfx_reading reading = {.mode = SFX_CHECK, .folder_fd = -1};
        sfx_read_package(fd, 0, &reading);
    }
    close(fd);
    return 0;
}
