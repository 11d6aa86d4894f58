/* Finds a LibreOffice that can show a presentation on a display. */
#include "OfficeFinder.h"

#include <dirent.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

bool sv_has_display_plugin(const char* folder) {
    DIR* listing = opendir(folder);
    if (!listing) return false;
    bool found = false;
    for (struct dirent* entry; !found && (entry = readdir(listing)) != NULL;)
        found = strncmp(entry->d_name, "libvclplug_", 11) == 0;
    closedir(listing);
    return found;
}

/* Whether folder/name is a runnable office program with a display plug-in
   beside the program its links lead to. */
static bool suitable(const char* folder, size_t folder_length, const char* name, char* office, size_t size) {
    char candidate[PATH_MAX];
    if (folder_length == 0 ||
        (size_t)snprintf(candidate, sizeof candidate, "%.*s/%s", (int)folder_length, folder, name) >=
            sizeof candidate)
        return false;
    char real[PATH_MAX];
    if (access(candidate, X_OK) != 0 || !realpath(candidate, real)) return false;
    char* slash = strrchr(real, '/');
    if (!slash) return false;
    *slash = '\0';
    if (!sv_has_display_plugin(real[0] ? real : "/")) return false;
    return (size_t)snprintf(office, size, "%s", candidate) < size;
}

bool sv_find_office(const char* search_path, char* office, size_t size) {
    static const char* const names[] = {"soffice", "libreoffice"};
    if (!search_path) return false;
    for (const char* folder = search_path;;) {
        const char* colon = strchr(folder, ':');
        const size_t length = colon ? (size_t)(colon - folder) : strlen(folder);
        for (size_t i = 0; i < sizeof names / sizeof names[0]; ++i)
            if (suitable(folder, length, names[i], office, size)) return true;
        if (!colon) return false;
        folder = colon + 1;
    }
}
