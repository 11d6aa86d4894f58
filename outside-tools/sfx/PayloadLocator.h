/* Finds the 7z archive that follows the self-extractor's own program image. */
#pragma once

#include <stdbool.h>
#include <sys/types.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The 7z signature that begins every archive. */
extern const unsigned char sfx_7z_signature[6];

/* Reads the ELF headers of the executable open on fd, takes the end of its image
   (the furthest byte that a segment, a section or a header table covers) and
   checks that a 7z signature starts there. Returns true and stores that offset;
   false when fd holds no valid 64-bit ELF image or nothing that looks like an
   archive follows it. */
bool sfx_find_payload(int fd, off_t* offset);

#ifdef __cplusplus
}
#endif
