// What a control paints on: the top-level window's back buffer, with the
// control's top-left corner as origin and a clip rectangle (in buffer
// coordinates) that covers only the part of the control being repainted.
// Controls draw through the drawing layer over the buffer, translated by the
// origin and clipped to the clip rectangle.
#pragma once

#include "drawing/Bitmap.h"
#include "drawing/Canvas.h"
#include "drawing/Geometry.h"

namespace sk::drawing {
class Graphics;
}

namespace sk::ui {

struct PaintSurface {
    drawing::Bitmap* target = nullptr;  // the back buffer
    drawing::Point origin;              // the control's (0, 0) in the buffer
    drawing::Rect clip;                 // in buffer coordinates

    // The clip rectangle in the control's own coordinates.
    drawing::Rect clipRect() const { return clip.translated(-origin.x, -origin.y); }
    drawing::Rect toTarget(const drawing::Rect& r) const { return r.translated(origin.x, origin.y); }

    // A device-context canvas over the buffer, origin and clip set for the control.
    drawing::Canvas canvas() const;
    // Sets up 2-D graphics over the buffer (new Graphics(*surface.target)): the
    // clip to the repainted area and the origin at the control's top-left corner.
    void prepare(drawing::Graphics& graphics) const;

    // Copies a bitmap (replacing pixels) at a point of the control, within the clip.
    void blit(const drawing::Bitmap& bitmap, drawing::Point at) const;
    // Draws a bitmap with per-pixel alpha over what is there, within the clip.
    void blend(const drawing::Bitmap& bitmap, drawing::Point at) const;
    // Fills a rectangle of the control with an opaque or translucent ARGB colour, within the clip.
    void fillRect(const drawing::Rect& r, std::uint32_t argb) const;
};

}  // namespace sk::ui
