// The device-context variant of the mini-HTML renderer: runs measured and drawn
// with the canvas's classic text routine (single line, bottom-aligned, tabs
// expanded, "&" prefixes unless the text has " & ", an end ellipsis without
// word wrap), shapes with the canvas's pen and brush. The canvas's font, brush,
// pen and clip are as before when the target goes.
#pragma once

#include "controls/smooth/HtmlTextTarget.h"

namespace sk::smooth {

class CanvasHtmlTarget final : public HtmlTextTarget {
public:
    CanvasHtmlTarget(drawing::Canvas& canvas, bool noPrefix);
    ~CanvasHtmlTarget() override;
    CanvasHtmlTarget(const CanvasHtmlTarget&) = delete;
    CanvasHtmlTarget& operator=(const CanvasHtmlTarget&) = delete;

    drawing::Size measureRun(const drawing::CanvasFont& font, std::string_view text) override;
    void drawRun(std::string_view text, const drawing::Rect& runRect, const HtmlRunStyle& style) override;
    int scriptExtent(int runHeight, int currentExtent) const override;
    bool wrapsBefore(int lineWidth, int availableWidth, bool textBeforeEndsWithSpace) const override;
    bool joinsLinkWords() const override { return false; }
    void drawZigzag(int left, int right, int bottom) override;
    bool supportsRotation() const override { return true; }
    bool supportsShapedBullets() const override { return true; }
    bool skipsRunsAtRightEdge() const override { return true; }

    void fillRect(const drawing::Rect& rect, drawing::TColor color) override;
    void fillEllipse(const drawing::Rect& box, drawing::TColor color) override;
    void drawHorizontalLine(int left, int right, int y, drawing::TColor color) override;
    void drawPicture(const drawing::Bitmap& picture, const drawing::Rect& destination) override;
    void drawFocusRect(const drawing::Rect& rect) override;
    void beginDrawing(const drawing::Rect& clip) override;
    void endDrawing() override;

private:
    drawing::Canvas& m_canvas;
    const unsigned m_textFlags;
    const drawing::CanvasFont m_savedFont;
    const drawing::CanvasBrush m_savedBrush;
    const drawing::CanvasPen m_savedPen;
    drawing::Rect m_savedClip;
};

}  // namespace sk::smooth
