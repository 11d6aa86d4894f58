// Texture brushes: an image as a repeating cairo surface pattern.
#include "drawing/TextureBrush.h"

#include "drawing/CairoSupport.h"
#include "drawing/Image.h"

namespace sk::drawing {

TextureBrush::TextureBrush(const Bitmap& image, WrapMode wrap)
    : m_image(std::make_shared<const Bitmap>(image)), m_wrap(wrap) {}

TextureBrush::TextureBrush(const Image& image, WrapMode wrap) : TextureBrush(image.bitmap(), wrap) {}

cairo_pattern_t* TextureBrush::createPattern(cairo_t*) const {
    if (m_image->empty()) return nullptr;
    cairo_surface_flush(m_image->cairoSurface());
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(m_image->cairoSurface());
    // Image pixel (0, 0) covers the pixel whose centre is user point (0, 0): image
    // space is user space moved by half a pixel, then by the brush's own transform.
    Matrix imageToUser = m_transform;
    imageToUser.translate(-0.5, -0.5, MatrixOrder::Append);
    if (!imageToUser.invert()) {
        cairo_pattern_destroy(pattern);
        return nullptr;
    }
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, imageToUser.m11(), imageToUser.m12(), imageToUser.m21(), imageToUser.m22(),
                      imageToUser.dx(), imageToUser.dy());
    cairo_pattern_set_matrix(pattern, &matrix);
    switch (m_wrap) {
        case WrapMode::Tile:
            cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
            break;
        case WrapMode::Clamp:
            cairo_pattern_set_extend(pattern, CAIRO_EXTEND_NONE);
            break;
        default:
            cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REFLECT);
            break;  // FIXME: flips both axes for X- or Y-only
    }
    cairo_pattern_set_filter(pattern, m_transform.isIdentity() ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    return pattern;
}

}  // namespace sk::drawing
