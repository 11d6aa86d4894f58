/* Which names from a package may be written into the extraction folder. */
#include "EntryName.h"

#include <string.h>

enum { kLongestName = 4096 };

static bool component_is_safe(const char* start, size_t length) {
    if (length == 0) return false;
    if (length == 1 && start[0] == '.') return false;
    if (length == 2 && start[0] == '.' && start[1] == '.') return false;
    return true;
}

bool sfx_entry_name_is_safe(const char* name) {
    if (!name || name[0] == '\0' || name[0] == '/') return false;
    size_t length = strnlen(name, kLongestName + 1);
    if (length > kLongestName) return false;
    /* A folder entry may end in "/"; the last component is then the one before. */
    if (length > 1 && name[length - 1] == '/') --length;
    const char* component = name;
    for (size_t i = 0; i <= length; ++i) {
        const unsigned char c = (unsigned char)name[i];
        if (i == length || c == '/') {
            if (!component_is_safe(component, (size_t)(name + i - component))) return false;
            component = name + i + 1;
        } else if (c == '\\' || c < 0x20 || c == 0x7f) {
            return false;
        }
    }
    return true;
}
