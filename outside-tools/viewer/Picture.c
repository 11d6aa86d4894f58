/* A picture in memory, and reading one from a PNG file with libpng. */
#include "Picture.h"

#include <png.h>
#include <stdlib.h>
#include <string.h>

/* Slides are rendered at 1920 pixels wide; anything far larger is not ours. */
enum { kLargestSide = 16384 };

bool sv_picture_create(sv_picture* picture, int width, int height) {
    picture->width = picture->height = 0;
    picture->pixels = NULL;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return false;
    picture->pixels = malloc((size_t)width * (size_t)height * sizeof(uint32_t));
    if (!picture->pixels) return false;
    picture->width = width;
    picture->height = height;
    sv_picture_fill_black(picture);
    return true;
}

void sv_picture_fill_black(sv_picture* picture) {
    for (size_t i = 0; i < (size_t)picture->width * (size_t)picture->height; ++i) picture->pixels[i] = 0xFF000000u;
}

void sv_picture_free(sv_picture* picture) {
    free(picture->pixels);
    picture->pixels = NULL;
    picture->width = picture->height = 0;
}

bool sv_picture_load_png(sv_picture* picture, const char* path) {
    png_image image;
    memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path)) return false;
    /* Transparent parts of a slide are shown over black, as the screen is. */
    image.format = PNG_FORMAT_BGRA;
    if (image.width > kLargestSide || image.height > kLargestSide ||
        !sv_picture_create(picture, (int)image.width, (int)image.height)) {
        png_image_free(&image);
        return false;
    }
    png_color black = {0, 0, 0};
    if (!png_image_finish_read(&image, &black, picture->pixels, 0, NULL)) {
        png_image_free(&image);
        sv_picture_free(picture);
        return false;
    }
    return true;
}
