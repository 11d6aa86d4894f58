// Pixel-exact device-context drawing on a Bitmap, as a classic window system draws:
// no anti-aliasing for lines and shapes, a 1-pixel line covers exactly the pixels
// that the classic line algorithm covers, rectangles exclude their right and bottom
// edges. Colours are window colours (0x00BBGGRR, system colours resolved); drawn
// pixels are opaque.
//
//   Canvas c(bitmap);
//   c.brush().color = clBtnFace;
//   c.fillRect({0, 0, 20, 10});
//   c.pen().color = clBlack;
//   c.moveTo(0, 9); c.lineTo(20, 9);           // pixels 0..19 of row 9
//   c.font().name = "Tahoma"; c.font().height = -11;
//   c.brush().style = CanvasBrush::Style::Clear;
//   c.textOut(4, 2, "Установки");
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "drawing/Bitmap.h"
#include "drawing/Color.h"
#include "drawing/Geometry.h"
#include "drawing/GraphicsPath.h"

namespace sk::drawing {

struct CanvasPen {
    enum class Style { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
    TColor color = clBlack;
    int width = 1;
    Style style = Style::Solid;
};

struct CanvasBrush {
    enum class Style { Solid, Clear };
    TColor color = clWhite;
    Style style = Style::Solid;
};

// A window font: a negative height is the character (em) height in pixels (-11 is
// 8 points at 96 dpi), a positive height the cell height (ascent + descent), 0 the
// default 8 points. Escapement turns the text counter-clockwise, in tenths of a degree.
struct CanvasFont {
    enum class Charset { Default, Cyrillic, Western };
    enum class Pitch { Default, Fixed, Variable };
    std::string name = "MS Sans Serif";
    int height = -11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    TColor color = clWindowText;
    int escapement = 0;
    Charset charset = Charset::Default;
    Pitch pitch = Pitch::Default;
    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;

    // Font size in points for a height (negative or positive) at 96 dpi, rounded.
    int sizeInPoints() const;
    // Whether the face resolves to an installed outline (TrueType-like) font.
    bool isTrueType() const;
};

// drawText flags (bits, as the classic text routine takes them).
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;  // with DT_SINGLELINE
inline constexpr unsigned DT_BOTTOM = 0x8;   // with DT_SINGLELINE
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;  // only measure: the rectangle gets the text's size
inline constexpr unsigned DT_NOPREFIX = 0x800;  // without it "&x" underlines x and "&&" is "&"
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;

class Canvas {
public:
    explicit Canvas(Bitmap& target);

    Bitmap& target() const { return m_target; }
    CanvasPen& pen() { return m_pen; }
    CanvasBrush& brush() { return m_brush; }
    CanvasFont& font() { return m_font; }
    const CanvasPen& pen() const { return m_pen; }
    const CanvasBrush& brush() const { return m_brush; }
    const CanvasFont& font() const { return m_font; }

    // Clip rectangle (bitmap pixels); everything drawn is limited to it and to the
    // bitmap, which may change size while the canvas lives.
    void setClipRect(const Rect& rect) { m_clip = rect; }
    void intersectClipRect(const Rect& rect) { m_clip = m_clip.intersected(rect); }
    void resetClip() { m_clip = kNoClip; }
    Rect clipRect() const { return m_clip.intersected(bounds()); }
    // Shifts everything drawn by (dx, dy), like a moved window origin.
    void setOrigin(Point origin) { m_origin = origin; }
    Point origin() const { return m_origin; }

    TColor pixel(int x, int y) const;
    void setPixel(int x, int y, TColor color);

    // Lines with the pen; lineTo leaves out its end point.
    void moveTo(int x, int y) { m_position = {x, y}; }
    void lineTo(int x, int y);
    Point penPosition() const { return m_position; }
    void polyline(std::span<const Point> points);

    // Shapes: outlined with the pen (inside the right/bottom edge), filled with the brush.
    void rectangle(int left, int top, int right, int bottom);
    void rectangle(const Rect& r) { rectangle(r.left, r.top, r.right(), r.bottom()); }
    void roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void ellipse(int left, int top, int right, int bottom);
    void polygon(std::span<const Point> points);

    void fillRect(const Rect& r);   // the brush, no outline
    void frameRect(const Rect& r);  // a 1-pixel border in the brush colour
    // Top and left lines in topColor, bottom and right in bottomColor, `width` times,
    // shrinking `r` by one pixel each time (the classic Frame3D).
    void frame3D(Rect& r, TColor topColor, TColor bottomColor, int width = 1);
    // A dotted rectangle (every other pixel, starting at the top-left) that inverts
    // the pixels under it: drawing it twice restores the picture.
    void drawFocusRect(const Rect& r);

    // Text with the font. textOut draws at (x, y) = the top-left of the text cell
    // (before rotation by the escapement) over the brush colour, or transparently when
    // the brush is Clear.
    Size textExtent(std::string_view utf8Text) const;
    int textWidth(std::string_view utf8Text) const { return textExtent(utf8Text).width; }
    int textHeight(std::string_view utf8Text) const { return textExtent(utf8Text).height; }
    void textOut(int x, int y, std::string_view utf8Text);
    // The classic DrawText: returns the text height; with DT_CALCRECT only measures and
    // sets r's right and bottom. Text is drawn transparently unless the brush is Solid.
    int drawText(std::string_view utf8Text, Rect& r, unsigned flags);
    int drawText(std::string_view utf8Text, const Rect& r, unsigned flags) {
        Rect copy = r;
        return drawText(utf8Text, copy, flags);
    }
    // The outline of a text as textOut(x, y) would draw it (font, escapement), in the
    // coordinates of Graphics on the same bitmap (pixel centres): ready for
    // Graphics::setClip (a glyph-filled caption) or Graphics::drawPath (an outlined one).
    GraphicsPath textOutline(int x, int y, std::string_view utf8Text) const;

    // Copies the source rectangle to the destination (stretched when sizes differ),
    // leaving out pixels of `transparentColor` (RGB compare).
    void drawTransparent(const Rect& destination, const Bitmap& source, const Rect& sourceRect,
                         TColor transparentColor);
    void draw(int x, int y, const Bitmap& source);                    // blended by its alpha
    void stretchDraw(const Rect& destination, const Bitmap& source);  // good interpolation
    // Replaces the destination's pixels by the source rectangle's, stretched (nearest
    // pixel) when the sizes differ.
    void copyRect(const Rect& destination, const Bitmap& source, const Rect& sourceRect);

private:
    static constexpr Rect kNoClip{-(1 << 28), -(1 << 28), 1 << 29, 1 << 29};
    Rect bounds() const { return {0, 0, m_target.width(), m_target.height()}; }
    void plot(int x, int y, std::uint32_t argb);  // device pixel, clipped
    void penLine(int x0, int y0, int x1, int y1);
    void fillDevice(const Rect& r, std::uint32_t argb);
    int textImpl(std::string_view utf8Text, Rect& r, unsigned flags, bool draw);
    // Source pixels onto the destination, stretched by nearest pixel; with a key,
    // pixels of that colour are left out and the others made opaque.
    void copyPixels(const Rect& destination, const Bitmap& source, const Rect& sourceRect,
                    const TColor* transparentColor);

    Bitmap& m_target;
    CanvasPen m_pen;
    CanvasBrush m_brush;
    CanvasFont m_font;
    Rect m_clip;
    Point m_origin;
    Point m_position;
    int m_dotPhase = 0;
};

}  // namespace sk::drawing
