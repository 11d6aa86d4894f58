/* The slide pictures of a package: "slides/slide-<number>.png", in the order
   of their numbers (the renderer pads them to equal width, but a package may
   come from elsewhere). */
#pragma once

#include <stdbool.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    size_t count;
    char** paths; /* relative to the package folder */
} sv_deck;

/* Lists the slide pictures in the folder; an empty deck when it has none. */
bool sv_deck_load(sv_deck* deck, const char* slides_folder);
void sv_deck_free(sv_deck* deck);

#ifdef __cplusplus
}
#endif
