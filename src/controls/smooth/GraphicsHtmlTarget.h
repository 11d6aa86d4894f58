// The 2-D variant of the mini-HTML renderer: runs measured with Graphics string
// measurement in a 10000 x 10000 layout (a trailing space measured as "i", the
// width less 2 pixels and, above 8 points, less (size - 8) / 1.5 more) and drawn
// at their top-left with a solid brush; fonts by family name with "Arial" as the
// fallback, in points, bold, italic and underline.
#pragma once

#include "controls/smooth/HtmlTextTarget.h"
#include "drawing/Font.h"
#include "drawing/Graphics.h"

namespace sk::smooth {

class GraphicsHtmlTarget final : public HtmlTextTarget {
public:
    explicit GraphicsHtmlTarget(drawing::Graphics& graphics);

    drawing::Size measureRun(const drawing::CanvasFont& font, std::string_view text) override;
    void drawRun(std::string_view text, const drawing::Rect& runRect, const HtmlRunStyle& style) override;
    int scriptExtent(int runHeight, int currentExtent) const override;
    bool wrapsBefore(int lineWidth, int availableWidth, bool textBeforeEndsWithSpace) const override;
    bool joinsLinkWords() const override { return true; }
    void drawZigzag(int left, int right, int bottom) override;
    bool supportsRotation() const override { return false; }
    bool supportsShapedBullets() const override { return false; }
    bool skipsRunsAtRightEdge() const override { return false; }

    void fillRect(const drawing::Rect& rect, drawing::TColor color) override;
    void fillEllipse(const drawing::Rect& box, drawing::TColor color) override;
    void drawHorizontalLine(int left, int right, int y, drawing::TColor color) override;
    void drawPicture(const drawing::Bitmap& picture, const drawing::Rect& destination) override;
    void drawFocusRect(const drawing::Rect& rect) override;
    void beginDrawing(const drawing::Rect& clip) override;
    void endDrawing() override;

private:
    drawing::Graphics& m_graphics;
    drawing::GraphicsState m_savedState = 0;
};

}  // namespace sk::smooth
