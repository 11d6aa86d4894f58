/* Finds the 7z archive that follows the self-extractor's own program image. */
#include "PayloadLocator.h"

#include <elf.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

const unsigned char sfx_7z_signature[6] = {'7', 'z', 0xBC, 0xAF, 0x27, 0x1C};

/* Section and program header tables are far smaller than this; anything larger
   is a damaged or hostile header. */
enum { kMostHeaders = 4096 };

static bool read_exactly(int fd, void* buffer, size_t size, off_t at) {
    ssize_t got = pread(fd, buffer, size, at);
    return got >= 0 && (size_t)got == size;
}

static void extend(off_t* end, Elf64_Off offset, Elf64_Xword size) {
    const off_t last = (off_t)(offset + size);
    if (last > *end) *end = last;
}

static bool segments_end(int fd, const Elf64_Ehdr* header, off_t* end) {
    if (header->e_phnum > kMostHeaders) return false;
    if (header->e_phnum && header->e_phentsize != sizeof(Elf64_Phdr)) return false;
    extend(end, header->e_phoff, (Elf64_Xword)header->e_phnum * sizeof(Elf64_Phdr));
    for (unsigned i = 0; i < header->e_phnum; ++i) {
        Elf64_Phdr segment;
        if (!read_exactly(fd, &segment, sizeof segment, (off_t)(header->e_phoff + i * sizeof segment)))
            return false;
        extend(end, segment.p_offset, segment.p_filesz);
    }
    return true;
}

static bool sections_end(int fd, const Elf64_Ehdr* header, off_t* end) {
    if (header->e_shnum > kMostHeaders) return false;
    if (header->e_shnum && header->e_shentsize != sizeof(Elf64_Shdr)) return false;
    extend(end, header->e_shoff, (Elf64_Xword)header->e_shnum * sizeof(Elf64_Shdr));
    for (unsigned i = 0; i < header->e_shnum; ++i) {
        Elf64_Shdr section;
        if (!read_exactly(fd, &section, sizeof section, (off_t)(header->e_shoff + i * sizeof section)))
            return false;
        if (section.sh_type != SHT_NOBITS) extend(end, section.sh_offset, section.sh_size);
    }
    return true;
}

bool sfx_find_payload(int fd, off_t* offset) {
    Elf64_Ehdr header;
    if (!read_exactly(fd, &header, sizeof header, 0)) return false;
    if (memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64) return false;
    off_t end = sizeof header;
    if (!segments_end(fd, &header, &end) || !sections_end(fd, &header, &end)) return false;

    struct stat info;
    if (fstat(fd, &info) != 0 || end < 0 || end + (off_t)sizeof sfx_7z_signature > info.st_size) return false;
    unsigned char signature[sizeof sfx_7z_signature];
    if (!read_exactly(fd, signature, sizeof signature, end)) return false;
    if (memcmp(signature, sfx_7z_signature, sizeof signature) != 0) return false;
    *offset = end;
    return true;
}
