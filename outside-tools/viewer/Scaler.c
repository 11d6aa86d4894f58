/* Fits a slide picture onto the screen with a separable triangle filter whose
   width grows with the reduction, the sampling that keeps text smooth. */
#include "Scaler.h"

#include <math.h>
#include <stdlib.h>
#include <string.h>

/* The source pixels that make one target pixel, with their weights. */
typedef struct {
    int first;
    int count;
    float* weights;
} taps;

sv_rect sv_fit(int source_width, int source_height, int target_width, int target_height) {
    sv_rect fitted = {0, 0, 0, 0};
    if (source_width <= 0 || source_height <= 0 || target_width <= 0 || target_height <= 0) return fitted;
    /* Compare the aspects exactly in integers: the narrower side decides. */
    if ((long long)target_width * source_height <= (long long)target_height * source_width) {
        fitted.width = target_width;
        fitted.height = (int)(((long long)source_height * target_width + source_width / 2) / source_width);
    } else {
        fitted.height = target_height;
        fitted.width = (int)(((long long)source_width * target_height + source_height / 2) / source_height);
    }
    if (fitted.width < 1) fitted.width = 1;
    if (fitted.height < 1) fitted.height = 1;
    fitted.x = (target_width - fitted.width) / 2;
    fitted.y = (target_height - fitted.height) / 2;
    return fitted;
}

static void free_taps(taps* table, int length) {
    if (!table) return;
    for (int i = 0; i < length; ++i) free(table[i].weights);
    free(table);
}

static taps* make_taps(int source_length, int target_length) {
    taps* table = calloc((size_t)target_length, sizeof *table);
    if (!table) return NULL;
    const double scale = (double)source_length / target_length;
    const double support = scale > 1.0 ? scale : 1.0;
    for (int i = 0; i < target_length; ++i) {
        const double centre = (i + 0.5) * scale;
        int first = (int)floor(centre - support);
        int last = (int)ceil(centre + support);
        if (first < 0) first = 0;
        if (last > source_length - 1) last = source_length - 1;
        table[i].first = first;
        table[i].count = last - first + 1;
        table[i].weights = malloc((size_t)table[i].count * sizeof(float));
        if (!table[i].weights) {
            free_taps(table, target_length);
            return NULL;
        }
        double total = 0.0;
        for (int k = 0; k < table[i].count; ++k) {
            double distance = fabs((first + k + 0.5 - centre) / support);
            double weight = distance < 1.0 ? 1.0 - distance : 0.0;
            table[i].weights[k] = (float)weight;
            total += weight;
        }
        for (int k = 0; k < table[i].count; ++k)
            table[i].weights[k] = total > 0.0 ? (float)(table[i].weights[k] / total) : 1.0f / table[i].count;
    }
    return table;
}

static uint32_t channel(float value, int shift) {
    int level = (int)lrintf(value);
    if (level < 0) level = 0;
    if (level > 255) level = 255;
    return (uint32_t)level << shift;
}

/* Rows of the source resampled to the target width: four floats a pixel. */
static void scale_rows(const sv_picture* source, const taps* columns, int width, float* rows) {
    for (int y = 0; y < source->height; ++y) {
        const uint32_t* in = source->pixels + (size_t)y * source->width;
        float* out = rows + (size_t)y * width * 4;
        for (int x = 0; x < width; ++x) {
            float sum[4] = {0, 0, 0, 0};
            for (int k = 0; k < columns[x].count; ++k) {
                const uint32_t pixel = in[columns[x].first + k];
                const float weight = columns[x].weights[k];
                for (int c = 0; c < 4; ++c) sum[c] += weight * (float)((pixel >> (8 * c)) & 0xFF);
            }
            memcpy(out + 4 * x, sum, sizeof sum);
        }
    }
}

static void scale_columns(const float* rows, const taps* lines, sv_rect place, sv_picture* target) {
    for (int y = 0; y < place.height; ++y) {
        uint32_t* out = target->pixels + (size_t)(place.y + y) * target->width + place.x;
        for (int x = 0; x < place.width; ++x) {
            float sum[4] = {0, 0, 0, 0};
            for (int k = 0; k < lines[y].count; ++k) {
                const float* in = rows + ((size_t)(lines[y].first + k) * place.width + x) * 4;
                for (int c = 0; c < 4; ++c) sum[c] += lines[y].weights[k] * in[c];
            }
            /* Slides are shown opaque, whatever their alpha said. */
            out[x] = channel(sum[0], 0) | channel(sum[1], 8) | channel(sum[2], 16) | 0xFF000000u;
        }
    }
}

bool sv_draw_fitted(const sv_picture* source, sv_picture* target) {
    sv_picture_fill_black(target);
    const sv_rect place = sv_fit(source->width, source->height, target->width, target->height);
    if (place.width == 0) return true;
    taps* columns = make_taps(source->width, place.width);
    taps* lines = make_taps(source->height, place.height);
    float* rows = malloc((size_t)source->height * (size_t)place.width * 4 * sizeof(float));
    const bool ready = columns && lines && rows;
    if (ready) {
        scale_rows(source, columns, place.width, rows);
        scale_columns(rows, lines, place, target);
    }
    free(rows);
    free_taps(columns, place.width);
    free_taps(lines, place.height);
    return ready;
}
