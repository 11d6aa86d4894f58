// Texture brushes: an image as a repeating cairo surface pattern.
#include "drawing/TextureBrush.h"

#include "drawing/CairoHandles.h"
#include "drawing/CairoSupport.h"
#include "drawing/Image.h"

namespace sk::drawing {

TextureBrush::TextureBrush(const Bitmap& image, WrapMode wrap)
    : m_image(std::make_shared<const Bitmap>(image)), m_wrap(wrap) {}

TextureBrush::TextureBrush(const Image& image, WrapMode wrap) : TextureBrush(image.bitmap(), wrap) {}

namespace {

// The image with its mirror images beside and/or below it: one period of a flipped tiling.
Bitmap mirroredTile(const Bitmap& image, bool flipX, bool flipY) {
    const int w = image.width(), h = image.height();
    Bitmap tile(flipX ? 2 * w : w, flipY ? 2 * h : h);
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) {
            const int sx = x < w ? x : 2 * w - 1 - x;
            const int sy = y < h ? y : 2 * h - 1 - y;
            tile.setPixel(x, y, image.pixel(sx, sy));
        }
    return tile;
}

}  // namespace

detail::CairoPattern TextureBrush::createPattern(cairo_t*) const {
    if (m_image->empty()) return nullptr;
    const bool flipX = m_wrap == WrapMode::TileFlipX || m_wrap == WrapMode::TileFlipXY;
    const bool flipY = m_wrap == WrapMode::TileFlipY || m_wrap == WrapMode::TileFlipXY;
    Bitmap mirrored;
    const Bitmap* source = m_image.get();
    if (flipX || flipY) {
        mirrored = mirroredTile(*m_image, flipX, flipY);
        source = &mirrored;
    }
    cairo_surface_flush(source->cairoSurface());
    detail::CairoPattern owned(cairo_pattern_create_for_surface(source->cairoSurface()));
    cairo_pattern_t* pattern = owned.get();
    // Image pixel (0, 0) covers the pixel whose centre is user point (0, 0): image
    // space is user space moved by half a pixel, then by the brush's own transform.
    Matrix imageToUser = m_transform;
    imageToUser.translate(-0.5, -0.5, MatrixOrder::Append);
    if (!imageToUser.invert()) return nullptr;
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, imageToUser.m11(), imageToUser.m12(), imageToUser.m21(), imageToUser.m22(),
                      imageToUser.dx(), imageToUser.dy());
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_pattern_set_extend(pattern, m_wrap == WrapMode::Clamp ? CAIRO_EXTEND_NONE : CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, m_transform.isIdentity() ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    return owned;
}

}  // namespace sk::drawing
