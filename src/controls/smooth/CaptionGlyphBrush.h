// The brush that fills a caption's glyphs, shared by the smooth label and the
// smooth panel: a solid colour, a linear gradient between fixed points of the
// text box, a hatch, or a picture tiled from the surface origin.
#pragma once

#include <memory>

#include "controls/smooth/AdvGDIPPicture.h"
#include "controls/smooth/FillTypes.h"
#include "drawing/Brush.h"
#include "drawing/Geometry.h"

namespace sk::smooth {

// `start` and `end` are ARGB; `textBox` is where the text lies (X, Y, tw, th).
// Gradients run from the box's top-left corner to its bottom (gtVertical), its
// right edge (gtHorizontal) or its bottom-right corner (gtForwardDiagonal), and
// from its bottom-left corner in `end` to its top-right corner in `start`
// (gtBackwardDiagonal), repeating beyond. gtTexture shows `picture` at its own
// pixel size, tiled from the surface origin. Null when nothing is to be drawn:
// gtRadial, gtAngle, gtPath, gtNone, or gtTexture without a picture. Throws when
// the picture's memory cannot be had. `visible`, when not empty, is the part of
// the surface (from its origin) that the glyphs can show: a picture larger than
// that is cut to it, so that the brush does not carry the whole picture.
std::unique_ptr<drawing::Brush> captionGlyphBrush(TAdvGradientType kind, drawing::ARGB start,
                                                  drawing::ARGB end, drawing::HatchStyle hatch,
                                                  const TAdvGDIPPicture& picture,
                                                  const drawing::RectF& textBox, drawing::Size visible = {});

}  // namespace sk::smooth
