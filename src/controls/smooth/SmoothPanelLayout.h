// The smooth panel's geometry, shared by its painting and its tests: the area
// its caption takes beside the fill's picture, and the place of a block (the
// caption text, the paragraph) of a given size by a location.
#pragma once

#include "controls/smooth/AdvSmoothPanelCaption.h"
#include "controls/smooth/GDIPFill.h"
#include "drawing/Geometry.h"

namespace sk::smooth {

struct PanelCaptionArea {
    drawing::RectF rect;  // the content rectangle, moved right and narrowed for the picture
    int pictureRoom = 0;  // how much of the width the picture took
};

// The caption's area in the content rectangle: a fill picture at the left or right
// end of the caption's row (top pictures for top captions, bottom for bottom ones)
// takes its width from the area.
PanelCaptionArea captionArea(const drawing::RectF& content, const TGDIPFill& fill,
                             TAdvSmoothPanelLocation location);

// The top-left corner of a block of `size` placed in `area` by `location`: left at
// the area's left, right (never left of the area's left) or half that; top at the
// area's top, half of the room below the block, or the room below it. The halves
// are truncated. plCustom gives `custom`.
drawing::Point placeBlock(TAdvSmoothPanelLocation location, const drawing::RectF& area, drawing::Size size,
                          drawing::Point custom);

// The rule along a caption at `top` of height th in `area`: from x0 to x1 at y.
struct PanelRule {
    int x0 = 0, x1 = 0, y = 0;
};
PanelRule captionRule(TAdvSmoothPanelLocation location, const drawing::RectF& area, int top, int textHeight);

}  // namespace sk::smooth
