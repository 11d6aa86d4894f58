/* The slide pictures of a package, in the order of their numbers. */
#include "SlideDeck.h"

#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct {
    unsigned long number;
    char* path;
} numbered;

/* The number of "slide-<digits>.png", or false for any other name. */
static bool slide_number(const char* name, unsigned long* number) {
    static const char prefix[] = "slide-";
    static const char suffix[] = ".png";
    const size_t length = strlen(name);
    if (strncmp(name, prefix, sizeof prefix - 1) != 0 || length < sizeof prefix + sizeof suffix - 1) return false;
    if (strcmp(name + length - (sizeof suffix - 1), suffix) != 0) return false;
    const char* digits = name + sizeof prefix - 1;
    const size_t digit_count = length - (sizeof prefix - 1) - (sizeof suffix - 1);
    if (digit_count > 9) return false;
    *number = 0;
    for (size_t i = 0; i < digit_count; ++i) {
        if (digits[i] < '0' || digits[i] > '9') return false;
        *number = *number * 10 + (unsigned long)(digits[i] - '0');
    }
    return true;
}

static int by_number(const void* left, const void* right) {
    const numbered* a = left;
    const numbered* b = right;
    return (a->number > b->number) - (a->number < b->number);
}

static bool add(numbered** slides, size_t* count, size_t* capacity, unsigned long number, const char* folder,
                const char* name) {
    if (*count == *capacity) {
        size_t grown = *capacity ? *capacity * 2 : 16;
        numbered* larger = realloc(*slides, grown * sizeof **slides);
        if (!larger) return false;
        *slides = larger;
        *capacity = grown;
    }
    const size_t size = strlen(folder) + strlen(name) + 2;
    char* path = malloc(size);
    if (!path) return false;
    snprintf(path, size, "%s/%s", folder, name);
    (*slides)[(*count)++] = (numbered){number, path};
    return true;
}

bool sv_deck_load(sv_deck* deck, const char* slides_folder) {
    deck->count = 0;
    deck->paths = NULL;
    DIR* folder = opendir(slides_folder);
    if (!folder) return true;
    numbered* slides = NULL;
    size_t count = 0, capacity = 0;
    bool loaded = true;
    for (struct dirent* entry; loaded && (entry = readdir(folder)) != NULL;) {
        unsigned long number;
        if (slide_number(entry->d_name, &number))
            loaded = add(&slides, &count, &capacity, number, slides_folder, entry->d_name);
    }
    closedir(folder);
    if (count) qsort(slides, count, sizeof *slides, by_number);
    deck->paths = count ? malloc(count * sizeof *deck->paths) : NULL;
    if (count && !deck->paths) loaded = false;
    for (size_t i = 0; i < count; ++i) {
        if (loaded)
            deck->paths[i] = slides[i].path;
        else
            free(slides[i].path);
    }
    deck->count = loaded ? count : 0;
    free(slides);
    return loaded;
}

void sv_deck_free(sv_deck* deck) {
    for (size_t i = 0; i < deck->count; ++i) free(deck->paths[i]);
    free(deck->paths);
    deck->paths = NULL;
    deck->count = 0;
}
