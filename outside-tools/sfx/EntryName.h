/* Which names from a package may be written into the extraction folder. */
#pragma once

#include <stdbool.h>

#ifdef __cplusplus
extern "C" {
#endif

/* True for a relative name made of plain components: not empty, no leading "/",
   no "." or ".." component, no empty component, no backslash (another system's
   separator) and no control character (which could disguise a name in a
   message). Such a name can only denote a place inside the folder it is
   extracted into, provided no component on the way is a link. */
bool sfx_entry_name_is_safe(const char* name);

#ifdef __cplusplus
}
#endif
