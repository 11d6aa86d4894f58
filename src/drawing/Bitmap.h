// A 32-bit ARGB bitmap in memory: the back buffer of a window, an off-screen
// buffer of a control, or a decoded picture. Pixels are read and written as
// straight (not premultiplied) 0xAARRGGBB values; inside, the bitmap is a cairo
// image surface, which the drawing layer and the platform backends draw on.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "drawing/CairoHandles.h"
#include "drawing/Geometry.h"

namespace sk::drawing {

class Bitmap {
public:
    Bitmap() = default;  // an empty bitmap, 0 x 0
    Bitmap(int width, int height);  // fully transparent pixels
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() = default;

    int width() const { return m_width; }
    int height() const { return m_height; }
    Size size() const { return {m_width, m_height}; }
    bool empty() const { return m_width <= 0 || m_height <= 0; }

    // 0xAARRGGBB; reads outside the bitmap give 0, writes outside are ignored.
    std::uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, std::uint32_t argb);
    void fill(std::uint32_t argb);
    // Replaces the pixels of a rectangle (clipped to the bitmap) by one colour.
    void fillRect(const Rect& rect, std::uint32_t argb);

    // Copies a rectangle of another bitmap onto this one, replacing (not blending) pixels.
    void copyFrom(const Bitmap& source, const Rect& sourceRect, Point destination);

    bool savePng(const std::filesystem::path& file) const;
    // The bytes of a PNG file of the bitmap, made in memory (empty on failure).
    std::vector<unsigned char> pngBytes() const;
    static std::optional<Bitmap> loadPng(const std::filesystem::path& file);

    // For the drawing layer and the platform backends only.
    cairo_surface_t* cairoSurface() const { return m_surface.get(); }

private:
    int m_width = 0;
    int m_height = 0;
    detail::CairoSurface m_surface;
};

}  // namespace sk::drawing
