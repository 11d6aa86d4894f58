// The shape routines of the instrument frames: the face, the border stroke, the
// bevel rings and the glass highlight, for the ellipse, the rounded rectangle,
// the rectangle and the two diamonds. The controls call them with their own
// geometry (drawing rectangle, frame bands, corner radii).
#pragma once

#include "controls/instruments/ControlBorder.h"
#include "drawing/Graphics.h"
#include "drawing/GraphicsPath.h"

namespace sk::instruments::frame {

struct BevelColors {
    drawing::ARGB first, second;
};

drawing::RectF inset(const drawing::RectF& r, float by);

// The shape's outline in a rectangle (corner radii for the rounded shapes).
drawing::GraphicsPath outline(TULBorderShape shape, const drawing::RectF& r, float rx = 0, float ry = 0);

// The face: the outline inset by m/2, filled.
void fillFace(drawing::Graphics& g, TULBorderShape shape, const drawing::RectF& r, float m,
              drawing::ARGB color, float rx = 0, float ry = 0);
// The border: the outline inset by D/2, stroked m wide.
void strokeBorder(drawing::Graphics& g, TULBorderShape shape, const drawing::RectF& r, float d, float m,
                  drawing::ARGB color, float rx = 0, float ry = 0);
// A bevel ring `width` wide on the outline inset by `offset` + width/2.
void drawBevelRing(drawing::Graphics& g, TULBorderShape shape, const drawing::RectF& r, float offset,
                   float width, BevelColors colors, float rx = 0, float ry = 0);
// The ellipse bevel on an already placed ellipse rectangle.
void drawEllipseBevel(drawing::Graphics& g, const drawing::RectF& ellipse, float width, BevelColors colors);
// The rounded-rectangle bevel on the ring's centre line: shaded corner arcs in 5
// degree steps and four straight sides; with radii of 0.001 or less, straight bands.
void drawRoundRectBevel(drawing::Graphics& g, const drawing::RectF& r, float rx, float ry, float width,
                        BevelColors colors);

// The glass highlight over a face rectangle.
void drawEllipseGlass(drawing::Graphics& g, const drawing::RectF& face, drawing::ARGB tint,
                      drawing::ARGB light);
void drawRoundRectGlass(drawing::Graphics& g, const drawing::RectF& face, float rx, float ry,
                        drawing::ARGB tint, drawing::ARGB light);
void drawGlass(drawing::Graphics& g, TULBorderShape shape, const drawing::RectF& face, drawing::ARGB tint,
               drawing::ARGB light, float rx = 0, float ry = 0);

}  // namespace sk::instruments::frame
