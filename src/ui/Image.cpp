// The plain picture.
#include "ui/Image.h"

#include <algorithm>

namespace sk::ui {

const ClassInfo& TImage::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TImage>("TImage", &GraphicControl::staticClassInfo())
            .creatable()
            .boolean("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false)
            .boolean("Center", &TImage::Center, &TImage::SetCenter, false)
            .object("Picture", &TImage::Picture)
            .boolean("Proportional", &TImage::Proportional, &TImage::SetProportional, false)
            .boolean("Stretch", &TImage::Stretch, &TImage::SetStretch, false)
            .boolean("Transparent", &TImage::Transparent, &TImage::SetTransparent, false)
            .build();
    return info;
}
const ClassInfo& TImage::classInfo() const {
    return staticClassInfo();
}

TImage::TImage(Component* owner) : GraphicControl(owner), m_picture(std::make_unique<TPicture>()) {
    SetBounds(0, 0, 105, 105);
    m_picture->setChangeHandler([this](Persistent*) {
        if (m_autoSize && !m_picture->empty())
            SetBounds(Left(), Top(), m_picture->width(), m_picture->height());
        invalidate();
    });
}

void TImage::SetCenter(bool value) {
    if (value == m_center) return;
    m_center = value;
    invalidate();
}

void TImage::SetStretch(bool value) {
    if (value == m_stretch) return;
    m_stretch = value;
    invalidate();
}

void TImage::SetProportional(bool value) {
    if (value == m_proportional) return;
    m_proportional = value;
    invalidate();
}

void TImage::SetTransparent(bool value) {
    if (value == m_transparent) return;
    m_transparent = value;
    invalidate();
}

void TImage::SetAutoSize(bool value) {
    if (value == m_autoSize) return;
    m_autoSize = value;
    if (value && !m_picture->empty()) SetBounds(Left(), Top(), m_picture->width(), m_picture->height());
}

drawing::Rect TImage::destRect() const {
    int w = m_picture->width(), h = m_picture->height();
    if (w <= 0 || h <= 0) return {};
    if (m_stretch || (m_proportional && (w > Width() || h > Height()))) {
        if (m_proportional) {
            const double scale =
                std::min(static_cast<double>(Width()) / w, static_cast<double>(Height()) / h);
            w = std::max(1, static_cast<int>(w * scale));
            h = std::max(1, static_cast<int>(h * scale));
        } else {
            w = Width();
            h = Height();
        }
    }
    if (m_center) return {(Width() - w) / 2, (Height() - h) / 2, w, h};
    return {0, 0, w, h};
}

void TImage::paint(const PaintSurface& surface) {
    const drawing::Image* image = m_picture->image();
    if (!image) return;
    const drawing::Rect dest = destRect();
    drawing::Canvas canvas = surface.canvas();
    if (dest.width == image->width() && dest.height == image->height())
        canvas.draw(dest.left, dest.top, image->bitmap());
    else
        canvas.stretchDraw(dest, image->bitmap());
}

}  // namespace sk::ui
