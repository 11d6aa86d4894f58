#include "controls/smooth/GraphicsHtmlTarget.h"

#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "drawing/TextMeasurer.h"

namespace sk::smooth {

using namespace drawing;

namespace {

constexpr float kLayoutSize = 10000;
constexpr std::size_t kCachedFonts = 32;
constexpr std::size_t kCachedSizes = 4096;

ARGB opaque(TColor color) {
    return ColorToARGB(255, color);
}

// A rectangle of whole pixels in the pixel-centre coordinates of Graphics.
RectF pixelArea(const Rect& r) {
    return {r.left - 0.5f, r.top - 0.5f, static_cast<float>(r.width), static_cast<float>(r.height)};
}

// The one place where the 2-D variant measures text: as Graphics measures it,
// through the shared measurer.
RectF measureGraphicsText(std::string_view text, const Font& font) {
    return TextMeasurer::shared()
        .measureString(text, font, RectF{0, 0, kLayoutSize, kLayoutSize}, StringFormat())
        .box;
}

// The 2-D font of a markup font state. Looking a family up asks fontconfig for
// its faces, which costs more than laying out a word, so the fonts of recent
// texts are kept for the life of the process (the user-interface thread only).
const Font& fontFor(const CanvasFont& font) {
    struct CachedFont {
        CanvasFont key;
        std::unique_ptr<Font> font;
    };
    static std::vector<CachedFont> fonts;
    for (const CachedFont& cached : fonts)
        if (cached.key == font) return *cached.font;
    if (fonts.size() >= kCachedFonts) fonts.erase(fonts.begin());
    FontFamily family(font.name);
    if (family.status() != Status::Ok) family = FontFamily("Arial");
    const int style = (font.bold ? FontStyleBold : 0) | (font.italic ? FontStyleItalic : 0) |
                      (font.underline ? FontStyleUnderline : 0);
    fonts.push_back({font, std::make_unique<Font>(family, static_cast<float>(font.sizeInPoints()), style)});
    return *fonts.back().font;
}

int rounded(double value) {
    return static_cast<int>(std::nearbyint(value));  // to nearest, halves to even
}

}  // namespace

GraphicsHtmlTarget::GraphicsHtmlTarget(Graphics& graphics) : m_graphics(graphics) {}

Size GraphicsHtmlTarget::measureRun(const CanvasFont& font, std::string_view text) {
    // A paragraph is measured again at every repaint and every mouse move over it,
    // word by word: the sizes of recent runs are kept (the user-interface thread only).
    static std::unordered_map<std::string, Size> sizes;
    const int points = font.sizeInPoints();
    std::string key = font.name;
    key += '\0';
    key += std::to_string(points);
    key += font.bold ? 'b' : '-';
    key += font.italic ? 'i' : '-';
    key += font.underline ? 'u' : '-';
    key += text;
    if (const auto found = sizes.find(key); found != sizes.end()) return found->second;

    // Measurement leaves trailing spaces out; a run's trailing space counts as an "i".
    std::string measured(text);
    if (measured.size() > 1 && measured.back() == ' ') measured.back() = 'i';
    const RectF box = measureGraphicsText(measured, fontFor(font));
    int width = rounded(box.width) - 2;
    if (points > 8) width -= rounded((points - 8) / 1.5);
    const Size size{std::max(0, width), rounded(box.height)};
    if (sizes.size() >= kCachedSizes) sizes.clear();
    sizes.emplace(std::move(key), size);
    return size;
}

void GraphicsHtmlTarget::drawRun(std::string_view text, const Rect& runRect, const HtmlRunStyle& style) {
    if (style.background != clNone)
        m_graphics.fillRectangle(SolidBrush(opaque(style.background)), pixelArea(runRect.translated(1, 0)));
    m_graphics.drawString(text, fontFor(*style.font),
                          PointF{static_cast<float>(runRect.left), static_cast<float>(runRect.top)},
                          SolidBrush(opaque(style.font->color)));
}

int GraphicsHtmlTarget::scriptExtent(int runHeight, int currentExtent) const {
    return currentExtent < runHeight / 4 ? runHeight / 2 : currentExtent;
}

bool GraphicsHtmlTarget::wrapsBefore(int lineWidth, int availableWidth, bool textBeforeEndsWithSpace) const {
    return lineWidth > availableWidth && textBeforeEndsWithSpace;
}

void GraphicsHtmlTarget::drawZigzag(int left, int right, int bottom) {
    std::vector<PointF> points;
    const int start = left >= 0 ? left & ~1 : -((-left + 1) & ~1);
    for (int x = start, k = 0; x <= right; x += 2, ++k)
        points.push_back({static_cast<float>(x), static_cast<float>(bottom - 2 - (k % 2 == 0 ? 0 : 2))});
    if (points.size() >= 2) m_graphics.drawLines(Pen(0xFFFF0000), points);
}

void GraphicsHtmlTarget::fillRect(const Rect& rect, TColor color) {
    m_graphics.fillRectangle(SolidBrush(opaque(color)), pixelArea(rect));
}

void GraphicsHtmlTarget::fillEllipse(const Rect& box, TColor color) {
    m_graphics.fillEllipse(SolidBrush(opaque(color)), pixelArea(box));
}

void GraphicsHtmlTarget::drawHorizontalLine(int left, int right, int y, TColor color) {
    if (right > left)
        m_graphics.drawLine(Pen(opaque(color)), static_cast<float>(left), static_cast<float>(y),
                            static_cast<float>(right - 1), static_cast<float>(y));
}

void GraphicsHtmlTarget::drawPicture(const Bitmap& picture, const Rect& destination) {
    m_graphics.drawImage(
        picture, RectF{static_cast<float>(destination.left), static_cast<float>(destination.top),
                       static_cast<float>(destination.width), static_cast<float>(destination.height)});
}

void GraphicsHtmlTarget::drawFocusRect(const Rect& rect) {
    // Every other pixel along the border, as the classic focus rectangle.
    if (rect.empty()) return;
    const SolidBrush dot(0xFF000000);
    auto plot = [&](int x, int y) { m_graphics.fillRectangle(dot, pixelArea({x, y, 1, 1})); };
    for (int x = rect.left; x < rect.right(); x += 2) {
        plot(x, rect.top);
        plot(x, rect.bottom() - 1);
    }
    for (int y = rect.top; y < rect.bottom(); y += 2) {
        plot(rect.left, y);
        plot(rect.right() - 1, y);
    }
}

void GraphicsHtmlTarget::beginDrawing(const Rect& clip) {
    m_savedState = m_graphics.save();
    m_graphics.intersectClip(pixelArea(clip));
}

void GraphicsHtmlTarget::endDrawing() {
    m_graphics.restore(m_savedState);
}

}  // namespace sk::smooth
