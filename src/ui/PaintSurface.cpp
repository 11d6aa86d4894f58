// Plain pixel operations on a paint surface; anything richer goes through the
// drawing layer.
#include "ui/PaintSurface.h"

#include <algorithm>

#include "drawing/Graphics.h"

namespace sk::ui {

drawing::Canvas PaintSurface::canvas() const {
    drawing::Canvas c(*target);
    c.setClipRect(clip);
    c.setOrigin(origin);
    return c;
}

void PaintSurface::prepare(drawing::Graphics& graphics) const {
    graphics.resetTransform();
    graphics.setClip(drawing::RectF{static_cast<float>(clip.left), static_cast<float>(clip.top),
                                    static_cast<float>(clip.width), static_cast<float>(clip.height)});
    graphics.translateTransform(static_cast<float>(origin.x), static_cast<float>(origin.y));
}

void PaintSurface::blit(const drawing::Bitmap& bitmap, drawing::Point at) const {
    if (!target) return;
    const drawing::Rect dest =
        drawing::Rect{origin.x + at.x, origin.y + at.y, bitmap.width(), bitmap.height()}.intersected(clip);
    if (dest.empty()) return;
    const drawing::Rect source = dest.translated(-(origin.x + at.x), -(origin.y + at.y));
    target->copyFrom(bitmap, source, dest.topLeft());
}

void PaintSurface::blend(const drawing::Bitmap& bitmap, drawing::Point at) const {
    if (!target) return;
    const drawing::Rect dest =
        drawing::Rect{origin.x + at.x, origin.y + at.y, bitmap.width(), bitmap.height()}.intersected(clip);
    for (int y = dest.top; y < dest.bottom(); ++y)
        for (int x = dest.left; x < dest.right(); ++x) {
            const std::uint32_t s = bitmap.pixel(x - origin.x - at.x, y - origin.y - at.y);
            const unsigned sa = s >> 24;
            if (sa == 0) continue;
            if (sa == 255) {
                target->setPixel(x, y, s);
                continue;
            }
            const std::uint32_t d = target->pixel(x, y);
            const unsigned da = d >> 24;
            const unsigned outA = sa + da * (255 - sa) / 255;
            auto channel = [&](int shift) {
                const unsigned sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
                const unsigned premul = sc * sa + dc * da * (255 - sa) / 255;
                return outA ? std::min(255u, (premul + outA / 2) / outA) : 0u;
            };
            target->setPixel(x, y, (outA << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0));
        }
}

void PaintSurface::fillRect(const drawing::Rect& r, std::uint32_t argb) const {
    if (!target) return;
    const drawing::Rect dest = toTarget(r).intersected(clip);
    if (dest.empty()) return;
    if ((argb >> 24) == 255) {
        drawing::Bitmap block(dest.width, dest.height);
        block.fill(argb);
        target->copyFrom(block, {0, 0, dest.width, dest.height}, dest.topLeft());
        return;
    }
    drawing::Bitmap block(r.width, r.height);
    block.fill(argb);
    blend(block, r.topLeft());
}

}  // namespace sk::ui
