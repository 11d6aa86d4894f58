// What the smooth controls' captions share when they are drawn: the caption
// font (the face by name, "Arial" when it is missing, in points, bold, italic
// and underline) and the brush that fills the glyphs over the text box.
#pragma once

#include <memory>

#include "controls/smooth/AdvGDIPPicture.h"
#include "controls/smooth/FillTypes.h"
#include "drawing/Brush.h"
#include "drawing/Font.h"
#include "ui/Font.h"

namespace sk::smooth {

// The caption font; strike-out is not rendered.
drawing::Font captionFont(const ui::TFont& font);

// The glyph brush of a caption over its text box: solid `start`; the linear
// gradients from `start` to `end` down, across, along either diagonal (tiled);
// the hatch in `start` on `end`; the picture as a texture tiled from the
// surface origin. Null (nothing drawn) for the other kinds and for gtTexture
// without a picture.
std::unique_ptr<drawing::Brush> captionGlyphBrush(TAdvGradientType type, drawing::ARGB start,
                                                  drawing::ARGB end, drawing::HatchStyle hatch,
                                                  const TAdvGDIPPicture& picture,
                                                  const drawing::RectF& textBox);

}  // namespace sk::smooth
