// The ARGB bitmap over a cairo image surface. Cairo keeps premultiplied pixels;
// this class converts at the pixel accessors so that callers see straight colours.
#include "drawing/Bitmap.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "drawing/CairoHandles.h"

namespace sk::drawing {

namespace {

detail::CairoSurface createSurface(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    detail::CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    return surface;  // cairo clears new image surfaces to transparent
}

std::uint32_t premultiply(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    if (a == 255) return argb;
    if (a == 0) return 0;
    auto channel = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (channel((argb >> 16) & 0xFF) << 16) | (channel((argb >> 8) & 0xFF) << 8) |
           channel(argb & 0xFF);
}

std::uint32_t unpremultiply(std::uint32_t value) {
    const std::uint32_t a = value >> 24;
    if (a == 255) return value;
    if (a == 0) return 0;
    auto channel = [a](std::uint32_t c) {
        const std::uint32_t v = (c * 255 + a / 2) / a;
        return v > 255 ? 255u : v;
    };
    return (a << 24) | (channel((value >> 16) & 0xFF) << 16) | (channel((value >> 8) & 0xFF) << 8) |
           channel(value & 0xFF);
}

std::uint32_t* rowOf(cairo_surface_t* surface, int y) {
    unsigned char* data = cairo_image_surface_get_data(surface);
    return reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) *
                                                       cairo_image_surface_get_stride(surface));
}

}  // namespace

Bitmap::Bitmap(int width, int height) : m_surface(createSurface(width, height)) {
    if (m_surface.get()) {
        m_width = width;
        m_height = height;
    }
}

Bitmap::Bitmap(const Bitmap& other) : Bitmap(other.m_width, other.m_height) {
    if (!m_surface || !other.m_surface) return;
    cairo_surface_flush(other.m_surface.get());
    for (int y = 0; y < m_height; ++y)
        std::memcpy(rowOf(m_surface.get(), y), rowOf(other.m_surface.get(), y),
                    static_cast<std::size_t>(m_width) * 4);
    cairo_surface_mark_dirty(m_surface.get());
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) {
        Bitmap copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : m_width(std::exchange(other.m_width, 0)),
      m_height(std::exchange(other.m_height, 0)),
      m_surface(std::move(other.m_surface)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_surface = std::move(other.m_surface);
    }
    return *this;
}

std::uint32_t Bitmap::pixel(int x, int y) const {
    if (!m_surface || x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    cairo_surface_flush(m_surface.get());
    return unpremultiply(rowOf(m_surface.get(), y)[x]);
}

void Bitmap::setPixel(int x, int y, std::uint32_t argb) {
    if (!m_surface || x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    cairo_surface_flush(m_surface.get());
    rowOf(m_surface.get(), y)[x] = premultiply(argb);
    cairo_surface_mark_dirty_rectangle(m_surface.get(), x, y, 1, 1);
}

void Bitmap::fill(std::uint32_t argb) {
    if (!m_surface) return;
    cairo_surface_flush(m_surface.get());
    const std::uint32_t value = premultiply(argb);
    for (int y = 0; y < m_height; ++y) {
        std::uint32_t* row = rowOf(m_surface.get(), y);
        for (int x = 0; x < m_width; ++x) row[x] = value;
    }
    cairo_surface_mark_dirty(m_surface.get());
}

void Bitmap::fillRect(const Rect& rect, std::uint32_t argb) {
    if (!m_surface) return;
    const Rect area = rect.intersected({0, 0, m_width, m_height});
    if (area.empty()) return;
    cairo_surface_flush(m_surface.get());
    const std::uint32_t value = premultiply(argb);
    for (int y = area.top; y < area.bottom(); ++y) {
        std::uint32_t* row = rowOf(m_surface.get(), y);
        std::fill(row + area.left, row + area.right(), value);
    }
    cairo_surface_mark_dirty_rectangle(m_surface.get(), area.left, area.top, area.width, area.height);
}

void Bitmap::copyFrom(const Bitmap& source, const Rect& sourceRect, Point destination) {
    if (!m_surface || !source.m_surface) return;
    // Clip the source rectangle to the source, then the destination to this bitmap.
    Rect from = sourceRect.intersected({0, 0, source.m_width, source.m_height});
    if (from.empty()) return;
    int dx = destination.x + (from.left - sourceRect.left);
    int dy = destination.y + (from.top - sourceRect.top);
    const Rect to = Rect{dx, dy, from.width, from.height}.intersected({0, 0, m_width, m_height});
    if (to.empty()) return;
    from.left += to.left - dx;
    from.top += to.top - dy;
    cairo_surface_flush(source.m_surface.get());
    cairo_surface_flush(m_surface.get());
    for (int row = 0; row < to.height; ++row) {
        // memmove: source and destination may be the same bitmap.
        std::memmove(rowOf(m_surface.get(), to.top + row) + to.left,
                     rowOf(source.m_surface.get(), from.top + row) + from.left,
                     static_cast<std::size_t>(to.width) * 4);
    }
    cairo_surface_mark_dirty(m_surface.get());
}

bool Bitmap::savePng(const std::filesystem::path& file) const {
    if (!m_surface) return false;
    cairo_surface_flush(m_surface.get());
    return cairo_surface_write_to_png(m_surface.get(), file.c_str()) == CAIRO_STATUS_SUCCESS;
}

std::vector<unsigned char> Bitmap::pngBytes() const {
    std::vector<unsigned char> bytes;
    if (!m_surface) return bytes;
    cairo_surface_flush(m_surface.get());
    auto append = [](void* closure, const unsigned char* data, unsigned int length) {
        auto* out = static_cast<std::vector<unsigned char>*>(closure);
        out->insert(out->end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
    };
    if (cairo_surface_write_to_png_stream(m_surface.get(), append, &bytes) != CAIRO_STATUS_SUCCESS)
        bytes.clear();
    return bytes;
}

std::optional<Bitmap> Bitmap::loadPng(const std::filesystem::path& file) {
    detail::CairoSurface loaded(cairo_image_surface_create_from_png(file.c_str()));
    if (cairo_surface_status(loaded.get()) != CAIRO_STATUS_SUCCESS) return std::nullopt;
    const int width = cairo_image_surface_get_width(loaded.get());
    const int height = cairo_image_surface_get_height(loaded.get());
    Bitmap result(width, height);
    if (result.m_surface.get()) {
        detail::CairoContext cr(cairo_create(result.m_surface.get()));
        cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr.get(), loaded.get(), 0, 0);
        cairo_paint(cr.get());
    }
    if (result.empty()) return std::nullopt;
    return result;
}

}  // namespace sk::drawing
