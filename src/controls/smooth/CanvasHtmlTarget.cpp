#include "controls/smooth/CanvasHtmlTarget.h"

#include <vector>

#include "drawing/TextMeasurer.h"

namespace sk::smooth {

using namespace drawing;

namespace {

// The one place where the device-context variant measures text: as the
// canvas's DrawText would lay it out, through the shared measurer.
Size measureCanvasText(const CanvasFont& font, std::string_view text, unsigned flags) {
    return TextMeasurer::shared().drawTextExtent(font, text, 0, flags);
}

int floorToEven(int x) {
    return x >= 0 ? x & ~1 : -((-x + 1) & ~1);
}

}  // namespace

CanvasHtmlTarget::CanvasHtmlTarget(Canvas& canvas, bool noPrefix)
    : m_canvas(canvas),
      m_textFlags(DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | (noPrefix ? DT_NOPREFIX : 0u)),
      m_savedFont(canvas.font()),
      m_savedBrush(canvas.brush()),
      m_savedPen(canvas.pen()),
      m_savedClip(canvas.clipRect()) {
    m_canvas.brush().style = CanvasBrush::Style::Clear;
}

CanvasHtmlTarget::~CanvasHtmlTarget() {
    m_canvas.font() = m_savedFont;
    m_canvas.brush() = m_savedBrush;
    m_canvas.pen() = m_savedPen;
}

Size CanvasHtmlTarget::measureRun(const CanvasFont& font, std::string_view text) {
    return measureCanvasText(font, text, m_textFlags);
}

void CanvasHtmlTarget::drawRun(std::string_view text, const Rect& runRect, const HtmlRunStyle& style) {
    m_canvas.font() = *style.font;
    if (style.background != clNone) {
        m_canvas.brush() = {style.background, CanvasBrush::Style::Solid};
    } else {
        m_canvas.brush().style = CanvasBrush::Style::Clear;
    }
    if (style.font->escapement % 3600 != 0)
        m_canvas.textOut(runRect.left, runRect.top, text);
    else
        m_canvas.drawText(text, runRect, m_textFlags | (style.ellipsis ? DT_END_ELLIPSIS : 0u));
    m_canvas.brush().style = CanvasBrush::Style::Clear;
}

int CanvasHtmlTarget::scriptExtent(int runHeight, int currentExtent) const {
    return std::max(currentExtent, runHeight / 4);
}

bool CanvasHtmlTarget::wrapsBefore(int lineWidth, int availableWidth, bool) const {
    return lineWidth >= availableWidth;
}

void CanvasHtmlTarget::drawZigzag(int left, int right, int bottom) {
    std::vector<Point> points;
    // The last point is one the line leaves out, so it lies at or beyond the right edge.
    for (int x = floorToEven(left), k = 0;; x += 2, ++k) {
        points.push_back({x, k % 2 == 0 ? bottom - 1 : bottom + 1});
        if (x >= right) break;
    }
    m_canvas.pen() = {clRed, 1, CanvasPen::Style::Solid};
    m_canvas.polyline(points);
}

void CanvasHtmlTarget::fillRect(const Rect& rect, TColor color) {
    m_canvas.brush() = {color, CanvasBrush::Style::Solid};
    m_canvas.fillRect(rect);
    m_canvas.brush().style = CanvasBrush::Style::Clear;
}

void CanvasHtmlTarget::fillEllipse(const Rect& box, TColor color) {
    m_canvas.brush() = {color, CanvasBrush::Style::Solid};
    m_canvas.pen() = {color, 1, CanvasPen::Style::Solid};
    m_canvas.ellipse(box.left, box.top, box.right(), box.bottom());
    m_canvas.brush().style = CanvasBrush::Style::Clear;
}

void CanvasHtmlTarget::drawHorizontalLine(int left, int right, int y, TColor color) {
    m_canvas.pen() = {color, 1, CanvasPen::Style::Solid};
    m_canvas.moveTo(left, y);
    m_canvas.lineTo(right, y);
}

void CanvasHtmlTarget::drawPicture(const Bitmap& picture, const Rect& destination) {
    if (destination.width == picture.width() && destination.height == picture.height())
        m_canvas.draw(destination.left, destination.top, picture);
    else
        m_canvas.stretchDraw(destination, picture);
}

void CanvasHtmlTarget::drawFocusRect(const Rect& rect) {
    if (!rect.empty()) m_canvas.drawFocusRect(rect);
}

void CanvasHtmlTarget::beginDrawing(const Rect& clip) {
    m_savedClip = m_canvas.clipRect();
    m_canvas.intersectClipRect(clip.translated(m_canvas.origin().x, m_canvas.origin().y));
}

void CanvasHtmlTarget::endDrawing() {
    m_canvas.setClipRect(m_savedClip);
}

}  // namespace sk::smooth
