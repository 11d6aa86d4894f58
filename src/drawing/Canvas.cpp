// Device-context drawing: exact pixels for lines and rectangles, cairo without
// anti-aliasing for curved shapes, pango for text.
#include "drawing/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "drawing/CairoHandles.h"
#include "drawing/CairoSupport.h"
#include "drawing/FontConfiguration.h"
#include "drawing/TextMeasurer.h"

namespace sk::drawing {

namespace {

std::uint32_t opaque(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return makeARGB(255, redOf(rgb), greenOf(rgb), blueOf(rgb));
}

// The classic dash patterns of cosmetic pens, in pixels on / off.
std::vector<int> dashesOf(CanvasPen::Style style) {
    switch (style) {
        case CanvasPen::Style::Dash:
            return {18, 6};
        case CanvasPen::Style::Dot:
            return {3, 3};
        case CanvasPen::Style::DashDot:
            return {9, 6, 3, 6};
        case CanvasPen::Style::DashDotDot:
            return {9, 3, 3, 3, 3, 3};
        default:
            return {};
    }
}

void clipTo(cairo_t* cr, const Rect& r) {
    cairo_rectangle(cr, r.left, r.top, r.width, r.height);
}

}  // namespace

int CanvasFont::sizeInPoints() const {
    const int pixels = height == 0 ? 11 : std::abs(height);
    return static_cast<int>(std::lround(pixels * 72.0 / 96.0));
}

bool CanvasFont::isTrueType() const {
    return isOutlineFont(name);
}

Canvas::Canvas(Bitmap& target) : m_target(target), m_clip(kNoClip) {}

// ---- Pixels -------------------------------------------------------------------------

void Canvas::plot(int x, int y, std::uint32_t argb) {
    if (clipRect().contains({x, y})) m_target.setPixel(x, y, argb);
}

TColor Canvas::pixel(int x, int y) const {
    return argbToColor(m_target.pixel(x + m_origin.x, y + m_origin.y));
}

void Canvas::setPixel(int x, int y, TColor color) {
    plot(x + m_origin.x, y + m_origin.y, opaque(color));
}

void Canvas::fillDevice(const Rect& r, std::uint32_t argb) {
    m_target.fillRect(r.intersected(clipRect()), argb);
}

// ---- Lines --------------------------------------------------------------------------

void Canvas::penLine(int x0, int y0, int x1, int y1) {
    if (m_pen.style == CanvasPen::Style::Clear) return;
    const std::uint32_t color = opaque(m_pen.color);
    x0 += m_origin.x, x1 += m_origin.x, y0 += m_origin.y, y1 += m_origin.y;
    if (m_pen.width > 1) {
        // A wide pen: a round-capped stroke along the pixel centres, not anti-aliased.
        detail::CairoContext crOwner(cairo_create(m_target.cairoSurface()));
        cairo_t* cr = crOwner.get();
        clipTo(cr, clipRect());
        cairo_clip(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_width(cr, m_pen.width);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        detail::setSourceArgb(cr, color);
        cairo_move_to(cr, x0 + 0.5, y0 + 0.5);
        cairo_line_to(cr, x1 + 0.5, y1 + 0.5);
        cairo_stroke(cr);
        return;
    }
    // The classic line: Bresenham from the start, leaving out the end point.
    const std::vector<int> dashes = dashesOf(m_pen.style);
    int period = 0;
    for (int d : dashes) period += d;
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        bool on = true;
        if (period > 0) {
            int phase = m_dotPhase % period, k = 0;
            while (phase >= dashes[static_cast<std::size_t>(k)])
                phase -= dashes[static_cast<std::size_t>(k++)];
            on = k % 2 == 0;
            ++m_dotPhase;
        }
        if (on) plot(x, y, color);
        // Ties (the ideal line halfway between two pixels) stay on the start's side.
        const int e2 = 2 * error;
        if (e2 > dy) error += dy, x += sx;
        if (e2 < dx) error += dx, y += sy;
    }
}

void Canvas::lineTo(int x, int y) {
    penLine(m_position.x, m_position.y, x, y);
    m_position = {x, y};
}

void Canvas::polyline(std::span<const Point> points) {
    if (points.empty()) return;
    for (std::size_t i = 1; i < points.size(); ++i)
        penLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
}

// ---- Shapes -------------------------------------------------------------------------

void Canvas::fillRect(const Rect& r) {
    if (m_brush.style == CanvasBrush::Style::Clear) return;
    fillDevice(r.translated(m_origin.x, m_origin.y), opaque(m_brush.color));
}

void Canvas::frameRect(const Rect& r) {
    if (r.empty()) return;
    const Rect d = r.translated(m_origin.x, m_origin.y);
    const std::uint32_t color = opaque(m_brush.color);
    fillDevice({d.left, d.top, d.width, 1}, color);
    fillDevice({d.left, d.bottom() - 1, d.width, 1}, color);
    fillDevice({d.left, d.top, 1, d.height}, color);
    fillDevice({d.right() - 1, d.top, 1, d.height}, color);
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const bool outlined = m_pen.style != CanvasPen::Style::Clear;
    if (m_brush.style != CanvasBrush::Style::Clear) {
        // Without a pen the classic rectangle is one pixel smaller to the right and bottom.
        const Rect inside = outlined ? Rect::fromEdges(left + 1, top + 1, right - 1, bottom - 1)
                                     : Rect::fromEdges(left, top, right - 1, bottom - 1);
        fillDevice(inside.translated(m_origin.x, m_origin.y), opaque(m_brush.color));
    }
    if (outlined && right > left && bottom > top) {
        const int w = std::max(1, m_pen.width);
        for (int i = 0; i < w; ++i) {
            const int l = left + i, t = top + i, r = right - 1 - i, b = bottom - 1 - i;
            if (r < l || b < t) break;
            m_dotPhase = 0;
            const int savedWidth = m_pen.width;
            m_pen.width = 1;
            penLine(l, t, r, t);
            penLine(r, t, r, b);
            penLine(r, b, l, b);
            penLine(l, b, l, t);
            m_pen.width = savedWidth;
        }
    }
}

void Canvas::roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    detail::CairoContext crOwner(cairo_create(m_target.cairoSurface()));
    cairo_t* cr = crOwner.get();
    clipTo(cr, clipRect());
    cairo_clip(cr);
    cairo_translate(cr, m_origin.x, m_origin.y);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    // The outline runs along pixel centres from left to right - 1.
    const double l = left + 0.5, t = top + 0.5, r = right - 0.5, b = bottom - 0.5;
    const double rx = std::clamp(ellipseWidth / 2.0, 0.0, (r - l) / 2),
                 ry = std::clamp(ellipseHeight / 2.0, 0.0, (b - t) / 2);
    auto path = [&] {
        cairo_new_path(cr);
        if (rx <= 0 || ry <= 0) {
            cairo_rectangle(cr, l, t, r - l, b - t);
            return;
        }
        const double pi = std::numbers::pi;
        auto corner = [&](double cx, double cy, double from) {
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, rx, ry);
            cairo_arc(cr, 0, 0, 1, from, from + pi / 2);
            cairo_restore(cr);
        };
        corner(l + rx, t + ry, pi);
        corner(r - rx, t + ry, 1.5 * pi);
        corner(r - rx, b - ry, 0);
        corner(l + rx, b - ry, pi / 2);
        cairo_close_path(cr);
    };
    if (m_brush.style != CanvasBrush::Style::Clear) {
        path();
        detail::setSourceArgb(cr, opaque(m_brush.color));
        cairo_fill(cr);
    }
    if (m_pen.style != CanvasPen::Style::Clear) {
        path();
        cairo_set_line_width(cr, std::max(1, m_pen.width));
        detail::setSourceArgb(cr, opaque(m_pen.color));
        cairo_stroke(cr);
    }
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    const int w = right - left, h = bottom - top;
    roundRect(left, top, right, bottom, w, h);
}

void Canvas::polygon(std::span<const Point> points) {
    if (points.size() < 2) return;
    detail::CairoContext crOwner(cairo_create(m_target.cairoSurface()));
    cairo_t* cr = crOwner.get();
    clipTo(cr, clipRect());
    cairo_clip(cr);
    cairo_translate(cr, m_origin.x + 0.5, m_origin.y + 0.5);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    auto path = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, points[0].x, points[0].y);
        for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].x, points[i].y);
        cairo_close_path(cr);
    };
    if (m_brush.style != CanvasBrush::Style::Clear) {
        path();
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        detail::setSourceArgb(cr, opaque(m_brush.color));
        cairo_fill(cr);
    }
    if (m_pen.style != CanvasPen::Style::Clear) {
        // The outline with the classic line, so that edges match lineTo exactly.
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point a = points[i], b = points[(i + 1) % points.size()];
            penLine(a.x, a.y, b.x, b.y);
        }
    }
}

void Canvas::frame3D(Rect& r, TColor topColor, TColor bottomColor, int width) {
    const std::uint32_t top = opaque(topColor), bottom = opaque(bottomColor);
    int left = r.left, topEdge = r.top, right = r.right() - 1, bottomEdge = r.bottom() - 1;
    for (int i = 0; i < width; ++i) {
        if (right < left || bottomEdge < topEdge) break;
        const Rect o = Rect{m_origin.x, m_origin.y, 0, 0};
        // Top row (without its last pixel) and left column (without the bottom pixel).
        fillDevice(Rect::fromEdges(left, topEdge, right, topEdge + 1).translated(o.left, o.top), top);
        fillDevice(Rect::fromEdges(left, topEdge, left + 1, bottomEdge).translated(o.left, o.top), top);
        // Right column and bottom row, both with the corner pixels.
        fillDevice(Rect::fromEdges(right, topEdge, right + 1, bottomEdge + 1).translated(o.left, o.top),
                   bottom);
        fillDevice(Rect::fromEdges(left, bottomEdge, right + 1, bottomEdge + 1).translated(o.left, o.top),
                   bottom);
        ++left, ++topEdge, --right, --bottomEdge;
    }
    r = Rect::fromEdges(left, topEdge, right + 1, bottomEdge + 1);
}

void Canvas::drawFocusRect(const Rect& r) {
    if (r.empty()) return;
    const Rect d = r.translated(m_origin.x, m_origin.y);
    auto invert = [&](int x, int y) {
        if (((x - d.left) + (y - d.top)) % 2 != 0 || !clipRect().contains({x, y})) return;
        const std::uint32_t p = m_target.pixel(x, y);
        m_target.setPixel(x, y, 0xFF000000u | ((p ^ 0x00FFFFFFu) & 0x00FFFFFFu));
    };
    for (int x = d.left; x < d.right(); ++x) {
        invert(x, d.top);
        if (d.height > 1) invert(x, d.bottom() - 1);
    }
    for (int y = d.top + 1; y < d.bottom() - 1; ++y) {
        invert(d.left, y);
        if (d.width > 1) invert(d.right() - 1, y);
    }
}

// ---- Text ---------------------------------------------------------------------------

int Canvas::textImpl(std::string_view utf8Text, Rect& r, unsigned flags, bool draw) {
    if (flags & DT_CALCRECT) {
        const Size size = TextMeasurer::shared().drawTextExtent(m_font, utf8Text, r.width, flags);
        r.width = size.width;
        r.height = size.height;
        return size.height;
    }
    const TextMeasurer::CanvasText text =
        TextMeasurer::shared().layOutCanvasText(m_font, utf8Text, r.width, flags);
    const Rect& logical = text.logical;
    const bool laidInWidth = text.laidInWidth;
    const int textHeight = logical.height;
    if (!draw || !m_target.cairoSurface()) return textHeight;
    int x = r.left, y = r.top;
    if (!laidInWidth) {
        if (flags & DT_CENTER)
            x = r.left + (r.width - logical.width) / 2;
        else if (flags & DT_RIGHT)
            x = r.right() - logical.width;
    }
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER)
            y = r.top + (r.height - textHeight) / 2;
        else if (flags & DT_BOTTOM)
            y = r.bottom() - textHeight;
    }
    detail::CairoContext context(cairo_create(m_target.cairoSurface()));
    cairo_t* cr = context.get();
    clipTo(cr, clipRect());
    cairo_clip(cr);
    cairo_translate(cr, m_origin.x, m_origin.y);
    if (!(flags & DT_NOCLIP)) {
        cairo_rectangle(cr, r.left, r.top, r.width, r.height);
        cairo_clip(cr);
    }
    if (m_brush.style == CanvasBrush::Style::Solid) {
        detail::setSourceArgb(cr, opaque(m_brush.color));
        cairo_rectangle(cr, x + (laidInWidth ? logical.left : 0), y, logical.width, textHeight);
        cairo_fill(cr);
    }
    // The measurer's layout draws as it measured: a translation changes no glyph.
    detail::setSourceArgb(cr, opaque(m_font.color));
    cairo_move_to(cr, x - (laidInWidth ? 0 : logical.left), y - logical.top);
    pango_cairo_show_layout(cr, text.layout);
    return textHeight;
}

Size Canvas::textExtent(std::string_view utf8Text) const {
    return TextMeasurer::shared().textExtent(m_font, utf8Text);
}

namespace {

// A one-line layout of a window font's text, without prefix processing, in a
// context of its own that follows the (rotated) transformation of `cr`.
struct TurnedText {
    detail::GObjectHandle<PangoContext> context;
    detail::GObjectHandle<PangoLayout> layout;
    PangoRectangle logical{};
};

TurnedText turnedText(cairo_t* cr, const CanvasFont& font, std::string_view utf8Text) {
    TurnedText turned;
    turned.context.reset(pango_font_map_create_context(fontMap()));
    const detail::CairoFontOptions options = detail::fontOptionsFor(0);
    pango_cairo_context_set_font_options(turned.context.get(), options.get());
    pango_cairo_update_context(cr, turned.context.get());
    turned.layout.reset(pango_layout_new(turned.context.get()));
    detail::setLayoutText(turned.layout.get(), std::string(utf8Text), TextMeasurer::shared().describe(font),
                          font.underline, font.strikeOut);
    pango_layout_get_pixel_extents(turned.layout.get(), nullptr, &turned.logical);
    return turned;
}

}  // namespace

void Canvas::textOut(int x, int y, std::string_view utf8Text) {
    if (m_font.escapement % 3600 == 0) {
        Rect r{x, y, 0, 0};
        const Size size = textExtent(utf8Text);
        r.width = size.width, r.height = size.height;
        textImpl(utf8Text, r, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP, true);
        return;
    }
    if (!m_target.cairoSurface()) return;
    // Rotated text: turned counter-clockwise about (x, y), the cell's top-left corner.
    detail::CairoContext context(cairo_create(m_target.cairoSurface()));
    cairo_t* cr = context.get();
    clipTo(cr, clipRect());
    cairo_clip(cr);
    cairo_translate(cr, x + m_origin.x, y + m_origin.y);
    cairo_rotate(cr, -m_font.escapement / 10.0 * std::numbers::pi / 180.0);
    const TurnedText text = turnedText(cr, m_font, utf8Text);
    if (m_brush.style == CanvasBrush::Style::Solid) {
        detail::setSourceArgb(cr, opaque(m_brush.color));
        cairo_rectangle(cr, 0, 0, text.logical.width, text.logical.height);
        cairo_fill(cr);
    }
    detail::setSourceArgb(cr, opaque(m_font.color));
    cairo_move_to(cr, -text.logical.x, -text.logical.y);
    pango_cairo_show_layout(cr, text.layout.get());
}

GraphicsPath Canvas::textOutline(int x, int y, std::string_view utf8Text) const {
    GraphicsPath result(FillMode::Winding);
    detail::CairoSurface scratch(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
    detail::CairoContext context(cairo_create(scratch.get()));
    cairo_t* cr = context.get();
    // Graphics puts pixel centres on integer coordinates: pixel edges lie half a pixel before.
    cairo_translate(cr, x + m_origin.x - 0.5, y + m_origin.y - 0.5);
    cairo_rotate(cr, -m_font.escapement / 10.0 * std::numbers::pi / 180.0);
    const TurnedText text = turnedText(cr, m_font, utf8Text);
    cairo_move_to(cr, -text.logical.x, -text.logical.y);
    pango_cairo_layout_path(cr, text.layout.get());
    cairo_identity_matrix(cr);  // copy the path in bitmap coordinates
    detail::CairoPath path(cairo_copy_path(cr));
    detail::appendCairoPath(result, path.get());
    return result;
}

int Canvas::drawText(std::string_view utf8Text, Rect& r, unsigned flags) {
    return textImpl(utf8Text, r, flags, true);
}

// ---- Bitmaps ------------------------------------------------------------------------

void Canvas::copyPixels(const Rect& destination, const Bitmap& source, const Rect& sourceRect,
                        const TColor* transparentColor) {
    if (destination.empty() || sourceRect.empty()) return;
    const TColor key = transparentColor ? ColorToRGB(*transparentColor) : 0;
    const Rect d = destination.translated(m_origin.x, m_origin.y);
    // Nearest source pixel for each destination pixel, as the classic stretch copies.
    for (int y = 0; y < d.height; ++y) {
        const int sy =
            sourceRect.top + static_cast<int>(static_cast<long long>(y) * sourceRect.height / d.height);
        for (int x = 0; x < d.width; ++x) {
            const int sx =
                sourceRect.left + static_cast<int>(static_cast<long long>(x) * sourceRect.width / d.width);
            if (sx < 0 || sy < 0 || sx >= source.width() || sy >= source.height()) continue;
            const std::uint32_t p = source.pixel(sx, sy);
            if (transparentColor) {
                if (argbToColor(p) != key) plot(d.left + x, d.top + y, p | 0xFF000000u);
            } else {
                plot(d.left + x, d.top + y, p);
            }
        }
    }
}

void Canvas::drawTransparent(const Rect& destination, const Bitmap& source, const Rect& sourceRect,
                             TColor transparentColor) {
    copyPixels(destination, source, sourceRect, &transparentColor);
}

void Canvas::draw(int x, int y, const Bitmap& source) {
    if (source.empty() || !m_target.cairoSurface()) return;
    cairo_surface_flush(source.cairoSurface());
    detail::CairoContext crOwner(cairo_create(m_target.cairoSurface()));
    cairo_t* cr = crOwner.get();
    clipTo(cr, clipRect());
    cairo_clip(cr);
    cairo_set_source_surface(cr, source.cairoSurface(), x + m_origin.x, y + m_origin.y);
    cairo_paint(cr);
}

void Canvas::stretchDraw(const Rect& destination, const Bitmap& source) {
    if (source.empty() || destination.empty() || !m_target.cairoSurface()) return;
    cairo_surface_flush(source.cairoSurface());
    detail::CairoContext crOwner(cairo_create(m_target.cairoSurface()));
    cairo_t* cr = crOwner.get();
    clipTo(cr, clipRect());
    cairo_clip(cr);
    const Rect d = destination.translated(m_origin.x, m_origin.y);
    cairo_rectangle(cr, d.left, d.top, d.width, d.height);
    cairo_clip(cr);
    cairo_translate(cr, d.left, d.top);
    cairo_scale(cr, static_cast<double>(d.width) / source.width(),
                static_cast<double>(d.height) / source.height());
    cairo_set_source_surface(cr, source.cairoSurface(), 0, 0);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
}

void Canvas::copyRect(const Rect& destination, const Bitmap& source, const Rect& sourceRect) {
    copyPixels(destination, source, sourceRect, nullptr);
}

}  // namespace sk::drawing
