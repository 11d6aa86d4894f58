// Caption fonts and glyph brushes of the smooth controls.
#include "controls/smooth/SmoothCaptionDrawing.h"

#include "drawing/HatchBrush.h"
#include "drawing/LinearGradientBrush.h"
#include "drawing/TextureBrush.h"

namespace sk::smooth {

drawing::Font captionFont(const ui::TFont& font) {
    int style = drawing::FontStyleRegular;
    if (font.hasStyle(ui::fsBold)) style |= drawing::FontStyleBold;
    if (font.hasStyle(ui::fsItalic)) style |= drawing::FontStyleItalic;
    if (font.hasStyle(ui::fsUnderline)) style |= drawing::FontStyleUnderline;
    const auto points = static_cast<float>(font.Size());
    drawing::Font wanted(font.Name(), points, style);
    if (wanted.status() == drawing::Status::Ok) return wanted;
    return drawing::Font("Arial", points, style);
}

std::unique_ptr<drawing::Brush> captionGlyphBrush(TAdvGradientType type, drawing::ARGB start,
                                                  drawing::ARGB end, drawing::HatchStyle hatch,
                                                  const TAdvGDIPPicture& picture, const drawing::RectF& box) {
    using drawing::PointF;
    const PointF topLeft{box.x, box.y};
    switch (type) {
        case gtSolid:
            return std::make_unique<drawing::SolidBrush>(start);
        case gtVertical:
            return std::make_unique<drawing::LinearGradientBrush>(topLeft, PointF{box.x, box.y + box.height},
                                                                  start, end);
        case gtHorizontal:
            return std::make_unique<drawing::LinearGradientBrush>(topLeft, PointF{box.x + box.width, box.y},
                                                                  start, end);
        case gtForwardDiagonal:
            return std::make_unique<drawing::LinearGradientBrush>(
                topLeft, PointF{box.x + box.width, box.y + box.height}, start, end);
        case gtBackwardDiagonal:
            return std::make_unique<drawing::LinearGradientBrush>(
                PointF{box.x, box.y + box.height}, PointF{box.x + box.width, box.y}, end, start);
        case gtHatch:
            return std::make_unique<drawing::HatchBrush>(hatch, start, end);
        case gtTexture:
            if (const drawing::Image* image = picture.image())
                return std::make_unique<drawing::TextureBrush>(*image);
            return nullptr;
        default:
            return nullptr;
    }
}

}  // namespace sk::smooth
