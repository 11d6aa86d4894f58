// The reflection under a reflection label's text: the painted text block turned
// upside down and faded row by row. Pure functions, so that the label's painting
// and the tests share them.
#pragma once

#include <string_view>

#include "drawing/Bitmap.h"

namespace sk::smooth {

// The opacity of reflection row `row` (0 is the row nearest the text) fading over
// `size` rows from `start` toward `end`: round((n - i)/n x start + i/n x end) with
// ties to even, clamped to 0..255; 0 from row `size` on.
int reflectionRowOpacity(int row, int size, int start, int end);

// The left edge of the text block: centred or right-aligned when the markup, with
// its spaces removed and lower-cased, contains align="center" or align="right".
int reflectionXStart(std::string_view markup, int labelWidth, int blockWidth);

// The reflection of a captured text block (XSize x YSize): flipped vertically, each
// pixel that is not fully transparent in its own colour at round(q x A / 255) for
// its row's opacity q. Throws platform::Exception "Could not allocate memory for
// reflection Label" when the memory for the captured image cannot be had.
drawing::Bitmap buildReflection(const drawing::Bitmap& captured, int size, int opacityStart, int opacityEnd);

}  // namespace sk::smooth
