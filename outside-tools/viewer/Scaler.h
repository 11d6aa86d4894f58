/* Fits a slide picture onto the screen: the largest size that keeps its aspect,
   centred with black bars, resampled with a filter that averages every source
   pixel when shrinking, so that thin lines and text stay smooth. */
#pragma once

#include "Picture.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    int x, y, width, height;
} sv_rect;

/* Where a picture of the source size lies on a screen of the target size. */
sv_rect sv_fit(int source_width, int source_height, int target_width, int target_height);

/* Draws source into target at its fitted place; the rest of target turns black.
   Returns false when out of memory. */
bool sv_draw_fitted(const sv_picture* source, sv_picture* target);

#ifdef __cplusplus
}
#endif
