// A hatch brush: an 8 x 8 pattern of one of the 53 standard styles, foreground on
// background, anchored at the surface origin (pixel 0, 0 of the bitmap drawn on), so
// that neighbouring fills line up whatever the transform.
#pragma once

#include <array>
#include <cstdint>

#include "drawing/Brush.h"

namespace sk::drawing {

class HatchBrush final : public Brush {
public:
    HatchBrush(HatchStyle style, ARGB foreColor, ARGB backColor = 0xFF000000);

    HatchStyle hatchStyle() const { return m_style; }
    ARGB foregroundColor() const { return m_fore; }
    ARGB backgroundColor() const { return m_back; }

    // The 8 rows of a style's pattern; bit 7 is the leftmost pixel, a set bit is foreground.
    static std::array<std::uint8_t, 8> pattern(HatchStyle style);

    BrushType type() const override { return BrushType::HatchFill; }
    std::unique_ptr<Brush> clone() const override { return std::make_unique<HatchBrush>(*this); }
    detail::CairoPattern createPattern(cairo_t* cr) const override;

private:
    HatchStyle m_style;
    ARGB m_fore, m_back;
};

}  // namespace sk::drawing
