// A decoded picture: JPEG, PNG, GIF (first frame), BMP, TIFF or icon (largest entry)
// from the bytes of its file, held as a 32-bit ARGB bitmap. Corrupt or truncated
// bytes give no image and a status, never a crash.
//
//   auto image = Image::fromBytes(picture.bytes());
//   if (image) g.drawImage(*image, RectF{0, 0, 100, 50});
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "drawing/Bitmap.h"
#include "drawing/Color.h"
#include "drawing/DrawingTypes.h"

namespace sk::drawing {

class Image {
public:
    // An empty ARGB image (transparent), usable as a drawing target through bitmap().
    Image(int width, int height);
    explicit Image(Bitmap bitmap, ImageFormat format = ImageFormat::MemoryBmp,
                   PixelFormat pixelFormat = PixelFormat::Format32bppARGB);

    // Status (when given): Ok; UnknownImageFormat for bytes of no known format;
    // InvalidParameter for empty input; OutOfMemory for a corrupt or truncated file.
    static std::optional<Image> fromBytes(std::span<const unsigned char> bytes, Status* status = nullptr);

    int width() const { return m_bitmap.width(); }
    int height() const { return m_bitmap.height(); }
    ImageFormat rawFormat() const { return m_format; }
    // The pixel format of the file: 24-bit RGB for pictures without an alpha channel.
    PixelFormat pixelFormat() const { return m_pixelFormat; }

    std::uint32_t pixel(int x, int y) const { return m_bitmap.pixel(x, y); }
    void setPixel(int x, int y, std::uint32_t argb) { m_bitmap.setPixel(x, y, argb); }
    const Bitmap& bitmap() const { return m_bitmap; }
    Bitmap& bitmap() { return m_bitmap; }

    void rotateFlip(RotateFlipType type);

private:
    Bitmap m_bitmap;
    ImageFormat m_format = ImageFormat::MemoryBmp;
    PixelFormat m_pixelFormat = PixelFormat::Format32bppARGB;
};

// Rotates by a multiple of 90 degrees clockwise and then flips, as RotateFlipType says.
Bitmap rotateFlipped(const Bitmap& source, RotateFlipType type);

// How drawImage treats colours: one colour range (usually one colour) drawn transparent.
class ImageAttributes {
public:
    // Pixels whose red, green and blue each lie between low's and high's are left out.
    void setColorKey(ARGB low, ARGB high) {
        m_hasKey = true;
        m_low = low;
        m_high = high;
    }
    void setColorKey(ARGB color) { setColorKey(color, color); }
    void clearColorKey() { m_hasKey = false; }
    bool hasColorKey() const { return m_hasKey; }
    bool keyed(std::uint32_t argb) const;

private:
    bool m_hasKey = false;
    ARGB m_low = 0, m_high = 0;
};

}  // namespace sk::drawing
