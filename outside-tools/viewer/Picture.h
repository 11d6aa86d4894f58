/* A picture in memory: 8-bit blue, green, red and alpha per pixel, row after
   row, the layout of a 32-bit little-endian 0xAARRGGBB value. */
#pragma once

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    int width;
    int height;
    uint32_t* pixels; /* width * height values 0xAARRGGBB */
} sv_picture;

/* Allocates a picture filled with opaque black; false when out of memory. */
bool sv_picture_create(sv_picture* picture, int width, int height);
void sv_picture_free(sv_picture* picture);

/* Turns every pixel opaque black. */
void sv_picture_fill_black(sv_picture* picture);

/* Reads a PNG file; false when it cannot be read or decoded. */
bool sv_picture_load_png(sv_picture* picture, const char* path);

#ifdef __cplusplus
}
#endif
