// What the mini-HTML layout needs from a drawing variant: measuring and drawing
// one run of text, the rules in which the two variants differ, and the few
// shapes the markup draws. HtmlLayout owns the line loop; a target only draws.
#pragma once

#include <string_view>

#include "drawing/Bitmap.h"
#include "drawing/Canvas.h"
#include "drawing/Color.h"
#include "drawing/Geometry.h"

namespace sk::smooth {

// How one run is drawn: the font (colour included), the run rectangle (its
// bottom is where the text sits), the text background or clNone.
struct HtmlRunStyle {
    const drawing::CanvasFont* font = nullptr;
    drawing::TColor background = drawing::clNone;
    bool ellipsis = false;  // cut with "..." where the rectangle ends
};

class HtmlTextTarget {
public:
    virtual ~HtmlTextTarget() = default;

    // --- Where the variants differ -----------------------------------------------
    virtual drawing::Size measureRun(const drawing::CanvasFont& font, std::string_view text) = 0;
    virtual void drawRun(std::string_view text, const drawing::Rect& runRect, const HtmlRunStyle& style) = 0;
    // The subscript/superscript extent after a run of this height.
    virtual int scriptExtent(int runHeight, int currentExtent) const = 0;
    // Whether a run that brings the line to lineWidth must start the next line.
    virtual bool wrapsBefore(int lineWidth, int availableWidth, bool textBeforeEndsWithSpace) const = 0;
    // Whether an underlined link's word is joined to the next one with "_".
    virtual bool joinsLinkWords() const = 0;
    // The red zigzag of error marking under a run from left to right.
    virtual void drawZigzag(int left, int right, int bottom) = 0;
    // Rotated text (<R>) and shaped bullets (<LI TYPE=...>).
    virtual bool supportsRotation() const = 0;
    virtual bool supportsShapedBullets() const = 0;
    // Whether runs that would start within one "w" of the right edge are left out
    // (the device-context variant without word wrap).
    virtual bool skipsRunsAtRightEdge() const = 0;

    // --- Shapes --------------------------------------------------------------------
    virtual void fillRect(const drawing::Rect& rect, drawing::TColor color) = 0;
    virtual void fillEllipse(const drawing::Rect& box, drawing::TColor color) = 0;
    virtual void drawHorizontalLine(int left, int right, int y, drawing::TColor color) = 0;
    virtual void drawPicture(const drawing::Bitmap& picture, const drawing::Rect& destination) = 0;
    virtual void drawFocusRect(const drawing::Rect& rect) = 0;
    // Limits drawing to the layout rectangle, and ends that (brush and font restored).
    virtual void beginDrawing(const drawing::Rect& clip) = 0;
    virtual void endDrawing() = 0;
};

}  // namespace sk::smooth
