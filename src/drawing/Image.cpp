// Decoding pictures from file bytes with gdk-pixbuf, and rotating/flipping bitmaps.
#include "drawing/Image.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstring>
#include <memory>
#include <string>

#include "drawing/CairoHandles.h"
#include "drawing/Color.h"

namespace sk::drawing {

namespace {

ImageFormat formatOf(GdkPixbufFormat* format) {
    if (!format) return ImageFormat::Unknown;
    // The name is a copy of our own to free.
    const detail::GlibString owned(gdk_pixbuf_format_get_name(format));
    const std::string name = owned ? owned.get() : "";
    if (name == "jpeg") return ImageFormat::Jpeg;
    if (name == "png") return ImageFormat::Png;
    if (name == "gif") return ImageFormat::Gif;
    if (name == "bmp") return ImageFormat::Bmp;
    if (name == "tiff") return ImageFormat::Tiff;
    if (name == "ico") return ImageFormat::Icon;
    return ImageFormat::Unknown;
}

// Only the formats the controls store are decoded; other loaders (SVG, for one,
// which would fetch and run more than a picture) are not offered the bytes.
bool knownSignature(std::span<const unsigned char> b) {
    auto starts = [&](std::initializer_list<unsigned char> sig) {
        return b.size() >= sig.size() && std::equal(sig.begin(), sig.end(), b.begin());
    };
    return starts({0xFF, 0xD8, 0xFF}) || starts({0x89, 'P', 'N', 'G'}) || starts({'G', 'I', 'F', '8'}) ||
           starts({'B', 'M'}) || starts({'I', 'I', 42, 0}) || starts({'M', 'M', 0, 42}) ||
           starts({0, 0, 1, 0});
}

}  // namespace

Image::Image(int width, int height) : m_bitmap(width, height) {}

Image::Image(Bitmap bitmap, ImageFormat format, PixelFormat pixelFormat)
    : m_bitmap(std::move(bitmap)), m_format(format), m_pixelFormat(pixelFormat) {}

std::optional<Image> Image::fromBytes(std::span<const unsigned char> bytes, Status* status) {
    auto fail = [status](Status s) -> std::optional<Image> {
        if (status) *status = s;
        return std::nullopt;
    };
    if (bytes.empty()) return fail(Status::InvalidParameter);
    if (!knownSignature(bytes)) return fail(Status::UnknownImageFormat);

    const detail::GObjectHandle<GdkPixbufLoader> ownedLoader(gdk_pixbuf_loader_new());
    GdkPixbufLoader* loader = ownedLoader.get();
    GError* error = nullptr;
    bool ok = gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), &error);
    if (error) g_clear_error(&error);
    // Closing reports a truncated file; it must be called in every case.
    const bool closed = gdk_pixbuf_loader_close(loader, &error);
    if (error) g_clear_error(&error);
    ok = ok && closed;
    GdkPixbuf* pixbuf = ok ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
    const ImageFormat format = formatOf(gdk_pixbuf_loader_get_format(loader));
    if (!pixbuf)
        return fail(format == ImageFormat::Unknown ? Status::UnknownImageFormat : Status::OutOfMemory);
    const int width = gdk_pixbuf_get_width(pixbuf), height = gdk_pixbuf_get_height(pixbuf);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf), stride = gdk_pixbuf_get_rowstride(pixbuf);
    const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
    const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
    if (width <= 0 || height <= 0 || channels < 3 || gdk_pixbuf_get_bits_per_sample(pixbuf) != 8) {
        return fail(Status::OutOfMemory);
    }
    Bitmap bitmap(width, height);
    if (bitmap.empty()) {
        return fail(Status::OutOfMemory);
    }
    for (int y = 0; y < height; ++y) {
        const guchar* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            const guchar* p = row + x * channels;
            bitmap.setPixel(x, y, makeARGB(alpha ? p[3] : 255, p[0], p[1], p[2]));
        }
    }
    if (status) *status = Status::Ok;
    const PixelFormat pixelFormat =
        alpha && format != ImageFormat::Jpeg ? PixelFormat::Format32bppARGB : PixelFormat::Format24bppRGB;
    return Image(std::move(bitmap), format, pixelFormat);
}

void Image::rotateFlip(RotateFlipType type) {
    m_bitmap = rotateFlipped(m_bitmap, type);
}

Bitmap rotateFlipped(const Bitmap& source, RotateFlipType type) {
    const int value = static_cast<int>(type);
    const int quarterTurns = value & 3;
    const bool flipX = (value & 4) != 0;
    const int w = source.width(), h = source.height();
    const bool swap = quarterTurns % 2 == 1;
    Bitmap result(swap ? h : w, swap ? w : h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int nx = x, ny = y;
            switch (quarterTurns) {  // clockwise
                case 1:
                    nx = h - 1 - y, ny = x;
                    break;
                case 2:
                    nx = w - 1 - x, ny = h - 1 - y;
                    break;
                case 3:
                    nx = y, ny = w - 1 - x;
                    break;
                default:
                    break;
            }
            if (flipX) nx = result.width() - 1 - nx;
            result.setPixel(nx, ny, source.pixel(x, y));
        }
    }
    return result;
}

bool ImageAttributes::keyed(std::uint32_t argb) const {
    if (!m_hasKey) return false;
    auto within = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    return within(argbRed(argb), argbRed(m_low), argbRed(m_high)) &&
           within(argbGreen(argb), argbGreen(m_low), argbGreen(m_high)) &&
           within(argbBlue(argb), argbBlue(m_low), argbBlue(m_high));
}

}  // namespace sk::drawing
