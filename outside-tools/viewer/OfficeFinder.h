/* Finds a LibreOffice that can show a presentation on a display. A headless-only
   build (Debian's "-nogui") waits for ever on --show, so a program named
   soffice or libreoffice only counts when a display plug-in (libvclplug_*) lies
   beside the real program that its links lead to. */
#pragma once

#include <stdbool.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Looks through the folders of search_path (a PATH value) and stores the path
   of the first suitable office program. */
bool sv_find_office(const char* search_path, char* office, size_t size);

/* Whether the folder holds a display plug-in of LibreOffice. */
bool sv_has_display_plugin(const char* folder);

#ifdef __cplusplus
}
#endif
