// Glyph brushes of the smooth captions.
#include "controls/smooth/CaptionGlyphBrush.h"

#include <algorithm>

#include "drawing/HatchBrush.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/TextureBrush.h"

namespace sk::smooth {

std::unique_ptr<drawing::Brush> captionGlyphBrush(TAdvGradientType kind, drawing::ARGB start,
                                                  drawing::ARGB end, drawing::HatchStyle hatch,
                                                  const TAdvGDIPPicture& picture, const drawing::RectF& box,
                                                  drawing::Size visible) {
    using drawing::LinearGradientBrush;
    using drawing::PointF;
    const float x = box.x, y = box.y, right = box.x + box.width, bottom = box.y + box.height;
    auto linear = [](PointF from, PointF to, drawing::ARGB c1, drawing::ARGB c2) {
        auto brush = std::make_unique<LinearGradientBrush>(from, to, c1, c2);
        brush->setWrapMode(drawing::WrapMode::Tile);
        return brush;
    };
    switch (kind) {
        case gtSolid:
            return std::make_unique<drawing::SolidBrush>(start);
        case gtVertical:
            return linear({x, y}, {x, bottom}, start, end);
        case gtHorizontal:
            return linear({x, y}, {right, y}, start, end);
        case gtForwardDiagonal:
            return linear({x, y}, {right, bottom}, start, end);
        case gtBackwardDiagonal:
            return linear({x, bottom}, {right, y}, end, start);
        case gtHatch:
            return std::make_unique<drawing::HatchBrush>(hatch, start, end);
        case gtTexture: {
            const drawing::Image* image = picture.image();
            if (!image) return nullptr;
            const int w = visible.width > 0 ? std::min(visible.width, image->width()) : image->width();
            const int h = visible.height > 0 ? std::min(visible.height, image->height()) : image->height();
            if (w == image->width() && h == image->height())
                return std::make_unique<drawing::TextureBrush>(*image, drawing::WrapMode::Tile);
            // Only the picture's top-left part can show: the rest would never repeat into view.
            drawing::Bitmap part(w, h);
            part.copyFrom(image->bitmap(), {0, 0, w, h}, {0, 0});
            return std::make_unique<drawing::TextureBrush>(part, drawing::WrapMode::Tile);
        }
        case gtRadial:
        case gtAngle:
        case gtPath:
        case gtNone:
            break;
    }
    return nullptr;
}

}  // namespace sk::smooth
