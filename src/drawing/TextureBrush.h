// A texture brush: an image repeated from the origin of the user space (with no
// transform, the image's pixel 0, 0 lies on the surface's pixel 0, 0), moved by the
// brush's own transform (offset). Clamp paints the image once.
#pragma once

#include <memory>

#include "drawing/Bitmap.h"
#include "drawing/Brush.h"
#include "drawing/Matrix.h"

namespace sk::drawing {

class Image;

class TextureBrush final : public Brush {
public:
    explicit TextureBrush(const Bitmap& image, WrapMode wrap = WrapMode::Tile);
    explicit TextureBrush(const Image& image, WrapMode wrap = WrapMode::Tile);

    void setWrapMode(WrapMode mode) { m_wrap = mode; }
    WrapMode wrapMode() const { return m_wrap; }
    // The brush's transform, applied to the image before the world transform.
    void setTransform(const Matrix& matrix) { m_transform = matrix; }
    const Matrix& transform() const { return m_transform; }
    void translateTransform(float dx, float dy) { m_transform.translate(dx, dy); }
    void scaleTransform(float sx, float sy) { m_transform.scale(sx, sy); }
    void resetTransform() { m_transform.reset(); }
    const Bitmap& image() const { return *m_image; }

    BrushType type() const override { return BrushType::TextureFill; }
    std::unique_ptr<Brush> clone() const override { return std::make_unique<TextureBrush>(*this); }
    detail::CairoPattern createPattern(cairo_t* cr) const override;

private:
    std::shared_ptr<const Bitmap> m_image;  // shared between copies; never changed
    WrapMode m_wrap;
    Matrix m_transform;
};

}  // namespace sk::drawing
