/* The page a browser shows the slides in when there is no X display: one
   self-contained HTML file with every picture embedded, keys as in the viewer. */
#pragma once

#include <stdbool.h>
#include <stdio.h>

#include "SlideDeck.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the page for the deck to out; false when a picture cannot be read or
   the page cannot be written. */
bool sv_write_html_page(const sv_deck* deck, FILE* out);

/* Writes the bytes in base64 (RFC 4648, with padding). */
bool sv_write_base64(const unsigned char* bytes, size_t size, FILE* out);

#ifdef __cplusplus
}
#endif
